#include "demo/Listener.h"

#include <string>

#include "platform/Exception.h"
#include "platform/LoopbackAddress.h"

namespace lookout::demo {

Listener::Listener(int port) {
    int error = 0;
    fd_ = Open(port, error);
    if (fd_ == kNoSocket)
        throw Exception("cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + SocketErrorText(error));
    sockaddr_in address{};
    SocketLength length = sizeof address;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}

Listener::~Listener() { Close(); }

SocketHandle Listener::Open(int port, int& error) {
    const SocketHandle fd = OpenSocket(SOCK_STREAM);
    if (fd == kNoSocket) {
        error = LastSocketError();
        return kNoSocket;
    }
    // Re-listening right after a close must not wait for old connections'
    // TIME_WAIT to end.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
    const sockaddr_in address = LoopbackAddress(port);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 128) != 0) {
        error = LastSocketError();
        CloseSocket(fd);
        return kNoSocket;
    }
    return fd;
}

void Listener::Close() {
    if (fd_ != kNoSocket) CloseSocket(fd_);
    fd_ = kNoSocket;
}

bool Listener::Reopen() {
    int error = 0;
    if (fd_ == kNoSocket) fd_ = Open(port_, error);
    return fd_ != kNoSocket;
}

std::optional<SocketHandle> Listener::Accept() {
    if (fd_ == kNoSocket) return std::nullopt;
    for (;;) {
        const SocketHandle fd = AcceptSocket(fd_);
        if (fd != kNoSocket) return fd;
        // A connection that died while queued is skipped; anything else
        // (nothing pending, out of descriptors) waits for the next round.
        const int error = LastSocketError();
        if (error == kInterrupted || error == kConnectionAborted) continue;
        return std::nullopt;
    }
}

}  // namespace lookout::demo
