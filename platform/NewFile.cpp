#include "platform/NewFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/Exception.h"
#include "platform/Messages.h"

namespace lookout {

namespace {

[[noreturn]] void Fail(const std::string& path) { throw EFileError(messages::FileCannotOpen(path)); }

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

void MakeDirectories(const std::string& directory) {
    // Each prefix ending before a '/', then the whole path.
    for (std::size_t end = directory.find('/', 1);; end = directory.find('/', end + 1)) {
        const std::string part = directory.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && !(errno == EEXIST && IsDirectory(part)))
            Fail(directory);
        if (end == std::string::npos) return;
    }
}

bool CreateFileOnce(const std::string& path, const std::string& bytes) {
    // The process id keeps simultaneous creators apart; a file of that name is
    // a leftover of an earlier process that ended half-way.
    const std::string temp = path + ".new-" + std::to_string(::getpid());
    ::unlink(temp.c_str());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) Fail(path);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        ::unlink(temp.c_str());
        Fail(path);
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0 && ::fsync(fd) == 0;
    const bool closed = std::fclose(file) == 0;
    const int linked = written && closed ? ::link(temp.c_str(), path.c_str()) : -1;
    const int linkError = errno;
    ::unlink(temp.c_str());
    if (linked == 0) return true;
    if (written && closed && linkError == EEXIST) return false;
    Fail(path);
}

}  // namespace lookout
