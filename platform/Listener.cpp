#include "platform/Listener.h"

#include "platform/Exception.h"
#include "platform/LoopbackAddress.h"

namespace lookout {

Listener::Listener(int port) : Listener(LoopbackAddress(port)) {}

Listener::Listener(const sockaddr_in& address) : address_(address) {
    int error = 0;
    fd_ = Open(error);
    if (fd_ == kNoSocket) throw Exception("cannot listen on " + AddressText(address_) + ": " + SocketErrorText(error));
    SocketLength length = sizeof address_;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address_), &length);
}

Listener::~Listener() { Close(); }

SocketHandle Listener::Open(int& error) {
    const SocketHandle fd = OpenSocket(SOCK_STREAM);
    if (fd == kNoSocket) {
        error = LastSocketError();
        return kNoSocket;
    }
    // Re-listening right after a close must not wait for old connections'
    // TIME_WAIT to end.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address_), sizeof address_) != 0 || ::listen(fd, 128) != 0) {
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
    if (fd_ == kNoSocket) fd_ = Open(error);
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

std::string AddressText(const sockaddr_in& address) {
    const std::uint32_t host = ntohl(address.sin_addr.s_addr);
    return std::to_string(host >> 24) + "." + std::to_string((host >> 16) & 255) + "." +
           std::to_string((host >> 8) & 255) + "." + std::to_string(host & 255) + ":" +
           std::to_string(ntohs(address.sin_port));
}

}  // namespace lookout
