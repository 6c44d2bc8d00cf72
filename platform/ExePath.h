#pragma once
#include <string>

namespace lookout {

// The directory of the running executable with its trailing separator.
std::string ExecutableDirectory();

}  // namespace lookout
