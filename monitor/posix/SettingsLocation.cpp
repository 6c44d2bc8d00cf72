#include "monitor/SettingsLocation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "monitor/posix/SameDirectory.h"
#include "platform/ExePath.h"

namespace lookout {

bool SameDirectory(const std::string& a, const std::string& b) {
    struct stat sa {}, sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && S_ISDIR(sa.st_mode) &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::string UserSettingsDirectory() {
    // Relative values are invalid by the XDG base directory rules and ignored.
    const char* xdgConfigHome = std::getenv("XDG_CONFIG_HOME");
    if (xdgConfigHome && xdgConfigHome[0] == '/') return std::string(xdgConfigHome) + "/lookout/";
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* entry = ::getpwuid(::getuid());
        home = entry && entry->pw_dir ? entry->pw_dir : "/";
    }
    return std::string(home) + "/.config/lookout/";
}

std::string SiteSettingsPath() { return LOOKOUT_SITE_SETTINGS; }

bool RunsInstalled() { return SameDirectory(ExecutableDirectory(), LOOKOUT_INSTALL_BINDIR); }

}  // namespace lookout
