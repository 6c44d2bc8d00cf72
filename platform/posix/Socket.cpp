#include "platform/Socket.h"

#include <netinet/in.h>
#include <unistd.h>

#include <cstring>

namespace lookout {

// Nothing to start on POSIX systems.
SocketLibrary::SocketLibrary() = default;
SocketLibrary::~SocketLibrary() = default;

SocketHandle OpenSocket(int type, int protocol) {
    return ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
}

SocketHandle AcceptSocket(SocketHandle listener) {
    return ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
}

int CloseSocket(SocketHandle socket) { return ::close(socket) == 0 ? 0 : errno; }

int LastSocketError() { return errno; }

void ResetOnClose(SocketHandle socket) {
    const linger reset{1, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
}

bool SocketPair(SocketHandle pair[2]) {
    return ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair) == 0;
}

int PollSockets(PollEntry* entries, std::size_t count, int timeoutMs) { return ::poll(entries, count, timeoutMs); }

bool ParseDottedAddress(const std::string& text, std::uint32_t& address) {
    in_addr parsed{};
    if (::inet_aton(text.c_str(), &parsed) == 0) return false;
    address = parsed.s_addr;
    return true;
}

}  // namespace lookout
