#pragma once
// Making a file that other processes may be making at the same moment.
#include <string>

namespace lookout {

// Creates the folder and each missing parent (mode 0700, as for a user's
// configuration folders); one that appears meanwhile is fine. Raises
// EFileError naming the folder when one cannot be made.
void MakeDirectories(const std::string& directory);

// Puts a file holding `bytes` at path unless something is there already. The
// file appears whole or not at all: it is written and flushed under a name of
// this process's own, then hard-linked into place, which fails rather than
// replace. Returns false when another file was there first. Raises EFileError
// naming path when the file cannot be made.
bool CreateFileOnce(const std::string& path, const std::string& bytes);

}  // namespace lookout
