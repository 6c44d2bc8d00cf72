#include "monitor/SettingsLocation.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/AtomicFile.h"
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

bool RunsInstalled() { return SameDirectory(ExecutableDirectory(), LOOKOUT_INSTALL_BINDIR); }

void CreateUserSettings(const std::string& userDirectory, const std::string& siteDefault) {
    const std::string path = userDirectory + "SERVER.INI";
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) return;
    const std::string bytes = ReadWholeFile(siteDefault);
    MakeDirectories(userDirectory);
    CreateFileOnce(path, bytes);
}

std::string SettingsPath() {
    return (RunsInstalled() ? UserSettingsDirectory() : ExecutableDirectory()) + "SERVER.INI";
}

std::string SettingsPathToRead() {
    std::string path = SettingsPath();
    if (RunsInstalled() && ::access(path.c_str(), F_OK) != 0 && errno == ENOENT) path = LOOKOUT_SITE_SETTINGS;
    return path;
}

void ProvideUserSettings() {
    if (RunsInstalled()) CreateUserSettings(UserSettingsDirectory(), LOOKOUT_SITE_SETTINGS);
}

}  // namespace lookout
