#include "monitor/SettingsLocation.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/AtomicFile.h"
#include "platform/Exception.h"
#include "platform/ExePath.h"
#include "platform/Messages.h"
#include "platform/windows/WidePath.h"

namespace lookout {

std::string UserSettingsDirectory() {
    // SHGetFolderPathW needs no COM allocator (ole32), which lookout-status
    // does not otherwise link; it answers as SHGetKnownFolderPath does.
    wchar_t folder[MAX_PATH];
    const HRESULT result = ::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    if (result != S_OK)
        throw EFileError(messages::FileCannotOpen("%APPDATA%"), "SHGetFolderPathW", static_cast<int>(result));
    return NarrowPath(folder) + "\\Lookout\\";
}

std::string SiteSettingsPath() { return ExecutableDirectory() + "SERVER-DEFAULT.INI"; }

bool RunsInstalled() { return !NothingAt(SiteSettingsPath()); }

}  // namespace lookout
