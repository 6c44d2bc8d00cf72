#include "demo/PortFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/Exception.h"

namespace lookout::demo {

void WritePortFile(const std::string& path, int port) {
    const std::string text = std::to_string(port) + "\n";
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) throw Exception("cannot write " + path + ": " + std::strerror(errno));
    const bool written = ::fchmod(fd, 0644) == 0 &&
                         ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw Exception("cannot write " + path + ": " + std::strerror(error));
    }
}

}  // namespace lookout::demo
