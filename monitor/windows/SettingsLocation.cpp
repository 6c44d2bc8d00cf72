// Every Windows copy is portable: SERVER.INI lives next to the program.
#include "monitor/SettingsLocation.h"

#include "platform/ExePath.h"

namespace lookout {

std::string SettingsPath() { return ExecutableDirectory() + "SERVER.INI"; }

std::string SettingsPathToRead() { return SettingsPath(); }

void ProvideUserSettings() {}

}  // namespace lookout
