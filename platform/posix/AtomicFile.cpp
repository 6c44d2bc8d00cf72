#include "platform/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/Exception.h"
#include "platform/Messages.h"

namespace lookout {

namespace {

// `call` is the step that failed; errno is its reason unless it returns one.
[[noreturn]] void Fail(const std::string& path, const char* call, int error = errno) {
    throw EFileError(messages::FileCannotOpen(path), call, error);
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Removes a file of this process's own when it goes out of scope, unless
// kept: a temporary that a failed step leaves behind.
class RemoveUnlessKept {
public:
    explicit RemoveUnlessKept(const std::string& name) : name_(name) {}
    ~RemoveUnlessKept() {
        if (!kept_) ::unlink(name_.c_str());
    }
    RemoveUnlessKept(const RemoveUnlessKept&) = delete;
    RemoveUnlessKept& operator=(const RemoveUnlessKept&) = delete;
    void Keep() { kept_ = true; }

private:
    const std::string& name_;
    bool kept_ = false;
};

// Writes all of `bytes` from the file's position.
void WriteAll(int fd, const std::string& bytes, const std::string& path) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(path, "write");
        }
        done += static_cast<std::size_t>(n);
    }
}

void Sync(int fd, const std::string& path) {
    if (::fsync(fd) != 0) Fail(path, "fsync");
}

// Temporaries are "<name>.tmp-" and six mkstemp characters. Their writer holds
// an exclusive flock on them until the rename; the lock dies with the process.
constexpr char kTemporaryInfix[] = ".tmp-";
constexpr std::size_t kTemporaryRandom = 6;

// A temporary whose lock can be taken has no living writer: a close killed
// before its rename. Another running copy keeps its lock, so its file stays.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) return;
    const std::string prefix = name + kTemporaryInfix;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view entryName(entry->d_name);
        if (entryName.size() != prefix.size() + kTemporaryRandom || !entryName.starts_with(prefix)) continue;
        // Write access is what an exclusive lock needs on NFS; O_NONBLOCK
        // keeps a FIFO of that name from stalling the open.
        Fd fd(::openat(::dirfd(dir.get()), entry->d_name, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir.get()), entry->d_name, 0);
    }
}

// Writes a locked temporary beside the target and renames it over the target.
// False when the folder takes no new file from this process: nothing has
// changed then.
bool ReplaceByRename(const std::string& target, const std::string& folder, const std::string& name,
                     const struct stat& old, const std::string& bytes, const std::string& path) {
    std::string temp = folder + name + kTemporaryInfix + std::string(kTemporaryRandom, 'X');
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == EACCES || errno == EPERM) return false;
        Fail(path, "mkostemp");
    }
    RemoveUnlessKept remove(temp);
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) Fail(path, "flock");
    // An unprivileged process cannot give a file away (EPERM): its
    // replacement is then its own, as any file it writes.
    if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0 && errno != EPERM) Fail(path, "fchown");
    if (::fchmod(fd.get(), old.st_mode & 07777) != 0) Fail(path, "fchmod");
    WriteAll(fd.get(), bytes, path);
    Sync(fd.get(), path);
    // The lock is held across the rename and released when fd closes.
    if (::rename(temp.c_str(), target.c_str()) != 0) Fail(path, "rename");
    remove.Keep();
    // Make the rename itself durable.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
}

// Rewrites the file itself, every step checked. What it grows by is reserved
// before the first byte is written, so a full disk fails there and leaves the
// old bytes whole; the old tail beyond the new end goes last.
void WriteInPlace(const std::string& target, const std::string& bytes, const std::string& path) {
    Fd fd(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0) Fail(path, "open");
    if (::fstat(fd.get(), &st) != 0) Fail(path, "fstat");
    const auto size = static_cast<off_t>(bytes.size());
    if (size > st.st_size) {
        if (const int error = ::posix_fallocate(fd.get(), st.st_size, size - st.st_size); error != 0)
            Fail(path, "posix_fallocate", error);
    }
    WriteAll(fd.get(), bytes, path);
    if (::ftruncate(fd.get(), size) != 0) Fail(path, "ftruncate");
    Sync(fd.get(), path);
    if (!fd.Close()) Fail(path, "close");
}

// A regular file's stat, or the reason it is none.
void CheckRegular(const struct stat& st, const std::string& path) {
    if (!S_ISREG(st.st_mode)) Fail(path, "stat", S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) Fail(path, "open");
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(path, "fstat");
    CheckRegular(st, path);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(path, "read");
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

void RewriteFile(const std::string& path, const std::string& bytes) {
    // The file must exist: it is rewritten, never created (a dangling link
    // fails here too).
    const std::unique_ptr<char, void (*)(void*)> resolved(::realpath(path.c_str(), nullptr), std::free);
    if (!resolved) Fail(path, "realpath");
    const std::string target(resolved.get());
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) Fail(path, "stat");
    CheckRegular(st, path);
    // A read-only file stays unwritten, as it would if written in place; the
    // mode bits are checked too, since root passes every access check.
    if ((st.st_mode & 0222) == 0) Fail(path, "access", EACCES);
    if (::access(target.c_str(), W_OK) != 0) Fail(path, "access");

    const auto slash = target.rfind('/');  // realpath's result is absolute
    const std::string folder = target.substr(0, slash + 1);
    const std::string name = target.substr(slash + 1);
    RemoveStaleTemporaries(folder, name);
    if (!ReplaceByRename(target, folder, name, st, bytes, path)) WriteInPlace(target, bytes, path);
}

void PublishFile(const std::string& path, const std::string& bytes) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
    const std::string name = path.substr(slash + 1);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        st.st_mode = 0666 & ~mask;
        st.st_uid = static_cast<uid_t>(-1);  // fchown leaves these as the system made them
        st.st_gid = static_cast<gid_t>(-1);
    }
    RemoveStaleTemporaries(folder, name);
    if (!ReplaceByRename(path, folder, name, st, bytes, path)) Fail(path, "mkostemp");
}

bool NothingAt(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

void MakeDirectories(const std::string& directory) {
    // Each prefix ending before a '/', then the whole path.
    for (std::size_t end = directory.find('/', 1);; end = directory.find('/', end + 1)) {
        const std::string part = directory.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0) {
            const int error = errno;
            if (error != EEXIST) Fail(directory, "mkdir", error);
            if (!IsDirectory(part)) Fail(directory, "mkdir", ENOTDIR);
        }
        if (end == std::string::npos) return;
    }
}

bool CreateFileOnce(const std::string& path, const std::string& bytes) {
    // The process id keeps simultaneous creators apart; a file of that name is
    // a leftover of an earlier process that ended half-way.
    const std::string temp = path + ".new-" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) Fail(path, "open");
    const RemoveUnlessKept remove(temp);  // linked or not, the temporary name goes
    WriteAll(fd.get(), bytes, path);
    Sync(fd.get(), path);
    if (!fd.Close()) Fail(path, "close");
    if (::link(temp.c_str(), path.c_str()) == 0) return true;
    if (errno == EEXIST) return false;
    Fail(path, "link");
}

}  // namespace lookout
