#include "monitor/SettingsLocation.h"

#include "platform/AtomicFile.h"
#include "platform/ExePath.h"

namespace lookout {

void CreateUserSettings(const std::string& userDirectory, const std::string& siteDefault) {
    const std::string path = userDirectory + "SERVER.INI";
    if (!NothingAt(path)) return;
    const std::string bytes = ReadWholeFile(siteDefault);
    MakeDirectories(userDirectory);
    CreateFileOnce(path, bytes);
}

std::string SettingsPath() {
    return (RunsInstalled() ? UserSettingsDirectory() : ExecutableDirectory()) + "SERVER.INI";
}

std::string SettingsPathToRead() {
    const std::string path = SettingsPath();
    return RunsInstalled() && NothingAt(path) ? SiteSettingsPath() : path;
}

void ProvideUserSettings() {
    if (RunsInstalled()) CreateUserSettings(UserSettingsDirectory(), SiteSettingsPath());
}

}  // namespace lookout
