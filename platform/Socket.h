#pragma once
// Sockets alike on every system. The calls that are the same everywhere
// (connect, send, recv, bind, listen, getsockname, getsockopt, setsockopt with
// a char pointer) are the system's own, through the headers included here;
// what differs (the handle, closing, errors, non-blocking mode, polling, the
// library's start-up) goes through this header. Its implementations live in
// posix/ and windows/.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#endif

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/SocketHandle.h"
#include "platform/SystemError.h"

namespace lookout {

#ifdef _WIN32
using PollEntry = WSAPOLLFD;
using SocketLength = int;
// Winsock raises no signal when the peer has gone.
inline constexpr int kSendFlags = 0;
inline constexpr int kShutdownSending = SD_SEND;
inline constexpr int kWouldBlock = WSAEWOULDBLOCK;
inline constexpr int kInterrupted = WSAEINTR;
inline constexpr int kConnectInProgress = WSAEWOULDBLOCK;
inline constexpr int kConnectionReset = WSAECONNRESET;
inline constexpr int kConnectionAborted = WSAECONNABORTED;
inline constexpr int kConnectionRefused = WSAECONNREFUSED;
#else
using PollEntry = pollfd;
using SocketLength = socklen_t;
// A peer that has gone is a failed send, not a SIGPIPE.
inline constexpr int kSendFlags = MSG_NOSIGNAL;
inline constexpr int kShutdownSending = SHUT_WR;
inline constexpr int kWouldBlock = EAGAIN;  // EWOULDBLOCK on Linux too
inline constexpr int kInterrupted = EINTR;
inline constexpr int kConnectInProgress = EINPROGRESS;
inline constexpr int kConnectionReset = ECONNRESET;
inline constexpr int kConnectionAborted = ECONNABORTED;
inline constexpr int kConnectionRefused = ECONNREFUSED;
#endif

// Keeps the system's socket library started while any instance lives: on
// Windows the first instance starts Winsock and the last one stops it.
class SocketLibrary {
public:
    SocketLibrary();
    ~SocketLibrary();
    SocketLibrary(const SocketLibrary&) = delete;
    SocketLibrary& operator=(const SocketLibrary&) = delete;
};

// An IPv4 address (in network order) and a port, as the socket calls take them.
inline sockaddr_in Ipv4Address(std::uint32_t address, int port) {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_port = htons(static_cast<std::uint16_t>(port));
    socketAddress.sin_addr.s_addr = address;
    return socketAddress;
}

// A new IPv4 socket, non-blocking and not inherited by child processes; or
// kNoSocket, with the error in LastSocketError().
SocketHandle OpenSocket(int type, int protocol = 0);
// A waiting connection as a non-blocking socket, or kNoSocket when there is
// none or it failed (LastSocketError() tells).
SocketHandle AcceptSocket(SocketHandle listener);
// Closes the socket; 0, or the error the close reported.
int CloseSocket(SocketHandle socket);
// The error of this thread's last failed socket call, and its text.
int LastSocketError();
inline std::string SocketErrorText(int error) { return SystemErrorText(error); }
// A closed socket resets its connection instead of ending it in order.
void ResetOnClose(SocketHandle socket);
// Two connected non-blocking stream sockets, or false.
bool SocketPair(SocketHandle pair[2]);
// poll(2) over sockets: the number of ready entries, 0 when the time ran out,
// -1 with LastSocketError(). A timeout of -1 waits without limit.
int PollSockets(PollEntry* entries, std::size_t count, int timeoutMs);
// A dotted IPv4 address (also the short and hexadecimal forms inet_aton
// takes) in network order; false for anything else.
bool ParseDottedAddress(const std::string& text, std::uint32_t& address);

}  // namespace lookout
