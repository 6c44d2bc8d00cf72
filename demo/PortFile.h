#pragma once
// Telling a launcher which port the service got.
#include <string>

namespace lookout::demo {

// Writes "PORT\n" to `path` through a temporary file in the same folder and a
// rename, so a reader sees either no file or the whole number. Raises
// Exception when it cannot.
void WritePortFile(const std::string& path, int port);

}  // namespace lookout::demo
