#pragma once
// Where SERVER.INI lives. A portable copy (the build folder, an unpacked
// folder) keeps it next to the executable. An installed executable sits in a
// folder only root may write, so there each user has a file of their own in
// $XDG_CONFIG_HOME/lookout/, made on the first start from the site default.
// The program counts as installed when its executable lives in the bindir of
// the prefix it was built for; build/bin never is that folder. On Windows
// every copy is portable so far.
#include <string>

namespace lookout {

#ifndef _WIN32
// True when both name the same existing folder (symbolic links followed).
bool SameDirectory(const std::string& a, const std::string& b);

// $XDG_CONFIG_HOME/lookout/ when that is an absolute path, otherwise
// $HOME/.config/lookout/ (the password entry's home when HOME is unset or not
// absolute); with its trailing separator.
std::string UserSettingsDirectory();

// Whether the running executable is the installed one.
bool RunsInstalled();

// Gives the user folder a SERVER.INI copied from siteDefault unless it has
// one; a user's own file is never touched. Safe when several first starts
// run at once: each sees either no file or the whole file. Raises EFileError
// naming the site default when it cannot be read, or the folder or file that
// cannot be made.
void CreateUserSettings(const std::string& userDirectory, const std::string& siteDefault);
#endif

// Where the program reads and writes SERVER.INI: ExecutableDirectory() +
// "SERVER.INI" for a portable copy, the user's own file for an installed one.
// Creates nothing.
std::string SettingsPath();

// The file to read without making one: the user's SERVER.INI, or, for an
// installed program whose user has none yet, the site default the first
// start would copy.
std::string SettingsPathToRead();

// Before a program reads its settings: for an installed program,
// CreateUserSettings in the user folder from /etc/lookout/SERVER.INI (under
// the prefix built for); nothing for a portable one.
void ProvideUserSettings();

}  // namespace lookout
