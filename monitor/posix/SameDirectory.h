#pragma once
// How a POSIX system tells that its executable is the installed one: its
// folder is the prefix's bindir, whatever path led to it.
#include <string>

namespace lookout {

// True when both name the same existing folder (symbolic links followed).
bool SameDirectory(const std::string& a, const std::string& b);

}  // namespace lookout
