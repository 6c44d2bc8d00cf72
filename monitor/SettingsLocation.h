#pragma once
// Where SERVER.INI lives. A portable copy (the build folder, an unpacked
// folder or zip) keeps it next to the executable. An installed executable
// sits in a folder the user may not write, so there each user has a file of
// their own, made on the first start from the site default: on Linux
// $XDG_CONFIG_HOME/lookout/SERVER.INI from /etc/lookout/SERVER.INI, on Windows
// %APPDATA%\Lookout\SERVER.INI from the SERVER-DEFAULT.INI that the installer
// puts beside the program.
// How a program knows that it is installed differs. On Linux its executable
// lives in the bindir of the prefix it was built for (build/bin never is that
// folder). On Windows the installation folder is chosen at install time, so
// no compiled-in path can tell: the site default beside the executable, which
// only the installer puts there, is what marks an installed copy.
#include <string>

namespace lookout {

// Each system's own (posix/, windows/):

// The folder of the user's own SERVER.INI, with its trailing separator:
// $XDG_CONFIG_HOME/lookout/ when that is an absolute path, otherwise
// $HOME/.config/lookout/ (the password entry's home when HOME is unset or not
// absolute); on Windows the roaming application data folder + "Lookout\".
std::string UserSettingsDirectory();

// The site default an installed program's users start from.
std::string SiteSettingsPath();

// Whether the running executable is an installed one.
bool RunsInstalled();

// The same everywhere (SettingsLocation.cpp):

// Gives the user folder a SERVER.INI copied from siteDefault unless something
// is there already; a user's own file is never touched. Safe when several
// first starts run at once: each sees either no file or the whole file.
// Raises EFileError naming the site default when it cannot be read, or the
// folder or file that cannot be made.
void CreateUserSettings(const std::string& userDirectory, const std::string& siteDefault);

// Where the program reads and writes SERVER.INI: ExecutableDirectory() +
// "SERVER.INI" for a portable copy, the user's own file for an installed one.
// Creates nothing.
std::string SettingsPath();

// The file to read without making one: the user's SERVER.INI, or, for an
// installed program whose user has none yet, the site default the first
// start would copy.
std::string SettingsPathToRead();

// Before a program reads its settings: for an installed program,
// CreateUserSettings in the user folder from the site default; nothing for a
// portable one.
void ProvideUserSettings();

}  // namespace lookout
