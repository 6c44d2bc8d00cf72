#pragma once
// Whole-file reading and crash-safe rewriting.
#include <string>

namespace lookout {

// The file's bytes; raises EFileError with the framework's "cannot open"
// text (naming the path) when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Replaces the file's content so that at every moment the path holds either
// the old bytes or the new ones: a temporary file in the same folder is
// written, flushed to disk and renamed over the old one. The old file's
// permission bits are kept. Raises EFileError when any step fails; the old
// file is then untouched and the temporary file removed.
void ReplaceFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace lookout
