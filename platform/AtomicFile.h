#pragma once
// Whole-file reading, crash-safe rewriting, and making a file that other
// processes may be making at the same moment. Paths are the system's bytes on
// POSIX systems and UTF-8 on Windows.
#include <string>

namespace lookout {

// The file's bytes; raises EFileError with the framework's "cannot open"
// text (naming the path) when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Gives an existing regular file new bytes and leaves everything else as it
// was: it is never created, a symbolic link (or a chain of them) stays a link
// and the file it finally leads to is rewritten, mode bits are kept, and owner
// and group too where the process may give files away (root); on Windows the
// file's attributes are kept (not its own access list: the new file takes its
// folder's).
// Where the file's folder takes new files, a temporary beside it is written,
// flushed and renamed over it, so the file holds the old bytes or the new ones
// at every moment; temporaries that an earlier, killed rewrite left there are
// removed on the way, never one that another running rewrite still holds
// (Windows: while it writes it).
// Where the folder takes no new file but the file is writable, the bytes are
// written into the file itself and flushed.
// A read-only file is refused, even for root. Raises EFileError naming `path`
// when any step fails.
void RewriteFile(const std::string& path, const std::string& bytes);

// Puts `bytes` at path, whether or not a file is there, so that a reader sees
// the old file or the new one whole: a temporary beside it is written, flushed
// and renamed over it (an existing file's mode, owner and group are kept; a
// new one gets 0666 less the umask). A symbolic link at path is replaced, not
// followed. Raises EFileError naming path when any step fails, a folder that
// takes no new file included.
void PublishFile(const std::string& path, const std::string& bytes);

// For an installed copy's per-user settings.

// Whether nothing at all is at path: no file, no folder, not even a link that
// leads nowhere. False when the system cannot tell (no access).
bool NothingAt(const std::string& path);

// Creates the folder and each missing parent (on POSIX systems mode 0700, as
// for a user's configuration folders; on Windows with the parent's access
// list, which under %APPDATA% is the user's alone); one that appears
// meanwhile is fine. Raises EFileError naming the folder when one cannot be
// made.
void MakeDirectories(const std::string& directory);

// Puts a file holding `bytes` at path unless something is there already. The
// file appears whole or not at all: it is written and flushed under a name of
// this process's own, then moved into place by a call that fails rather than
// replace (a hard link on POSIX systems, MoveFileExW without replacing on
// Windows). Returns false when another file was there first. Raises EFileError
// naming path when the file cannot be made.
bool CreateFileOnce(const std::string& path, const std::string& bytes);

}  // namespace lookout
