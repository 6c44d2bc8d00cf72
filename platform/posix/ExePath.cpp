#include "platform/ExePath.h"

#include <unistd.h>

#include <cerrno>

#include <vector>

#include "platform/Exception.h"
#include "platform/Messages.h"

namespace lookout {

std::string ExecutableDirectory() {
    static constexpr char kSelf[] = "/proc/self/exe";
    // readlink truncates silently: a result that fills the buffer is retried
    // with a larger one.
    for (std::vector<char> buffer(4096);; buffer.resize(buffer.size() * 2)) {
        const ssize_t n = ::readlink(kSelf, buffer.data(), buffer.size());
        if (n <= 0) throw EFileError(messages::FileCannotOpen(kSelf), "readlink", errno);
        if (static_cast<std::size_t>(n) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(n));
            return path.substr(0, path.rfind('/') + 1);
        }
    }
}

}  // namespace lookout
