#pragma once
#include <string>

namespace lookout {

// The directory of the running executable with its trailing separator. Raises
// EFileError naming the link it reads when the system cannot tell (no /proc):
// the working directory is never a stand-in for it.
std::string ExecutableDirectory();

}  // namespace lookout
