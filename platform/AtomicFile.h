#pragma once
// Whole-file reading and crash-safe rewriting.
#include <string>

namespace lookout {

// The file's bytes; raises EFileError with the framework's "cannot open"
// text (naming the path) when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Gives an existing regular file new bytes and leaves everything else as it
// was: it is never created, a symbolic link (or a chain of them) stays a link
// and the file it finally leads to is rewritten, mode bits are kept, and owner
// and group too where the process may give files away (root).
// Where the file's folder takes new files, a temporary beside it is written,
// flushed and renamed over it, so the file holds the old bytes or the new ones
// at every moment; temporaries that an earlier, killed rewrite left there are
// removed on the way, never one that another running rewrite still holds.
// Where the folder takes no new file but the file is writable, the bytes are
// written into the file itself and flushed.
// A read-only file is refused, even for root. Raises EFileError naming `path`
// when any step fails.
void RewriteFile(const std::string& path, const std::string& bytes);

}  // namespace lookout
