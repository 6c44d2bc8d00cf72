#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/Exception.h"
#include "platform/Messages.h"

namespace lookout {

namespace {

[[noreturn]] void Fail(const std::string& path) { throw EFileError(messages::FileCannotOpen(path)); }

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

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) Fail(path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) Fail(path);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(path);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

void ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
    struct stat st {};
    // The file must exist: it is rewritten, never created.
    if (::stat(path.c_str(), &st) != 0) Fail(path);
    // A read-only file stays unwritten, as it would if written in place; the
    // mode bits are checked too, since root passes every access check.
    if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) Fail(path);

    std::string temp = path + ".XXXXXX";
    Fd fd(::mkstemp(temp.data()));
    if (fd.get() < 0) Fail(path);
    const bool written = ::fchmod(fd.get(), st.st_mode & 07777) == 0 &&
                         WriteAll(fd.get(), bytes.data(), bytes.size()) && ::fsync(fd.get()) == 0 &&
                         fd.Close();
    if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        Fail(path);
    }
    // Make the rename itself durable.
    Fd dir(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace lookout
