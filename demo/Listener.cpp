#include "demo/Listener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/Exception.h"
#include "platform/LoopbackAddress.h"

namespace lookout::demo {

Listener::Listener(int port) {
    fd_ = Open(port);
    if (fd_ < 0)
        throw Exception("cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno));
    sockaddr_in address{};
    socklen_t length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}

Listener::~Listener() { Close(); }

int Listener::Open(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    // Re-listening right after a close must not wait for old connections'
    // TIME_WAIT to end.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in address = LoopbackAddress(port);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 128) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

void Listener::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool Listener::Reopen() {
    if (fd_ < 0) fd_ = Open(port_);
    return fd_ >= 0;
}

std::optional<int> Listener::Accept() {
    if (fd_ < 0) return std::nullopt;
    for (;;) {
        const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) return fd;
        // A connection that died while queued is skipped; anything else
        // (nothing pending, out of descriptors) waits for the next round.
        if (errno == EINTR || errno == ECONNABORTED) continue;
        return std::nullopt;
    }
}

}  // namespace lookout::demo
