#include "tests/support/DemoService.h"

#include <algorithm>
#include <stdexcept>

#include "platform/LoopbackAddress.h"
#include "tests/support/MsLeft.h"

namespace lookout::test {

namespace {

using Clock = std::chrono::steady_clock;

// The exchange on a non-blocking socket the caller closes.
RawReply Exchange(SocketHandle fd, int port, std::string_view request, Clock::time_point end,
                  std::size_t maxBytes) {
    RawReply reply;
    const sockaddr_in address = LoopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (const int error = LastSocketError(); error != kConnectInProgress) {
            reply.error = error;
            return reply;
        }
        if (!WaitFor(fd, POLLOUT, end)) {
            reply.timedOut = true;
            return reply;
        }
        SocketLength length = sizeof reply.error;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&reply.error), &length);
        if (reply.error != 0) return reply;
    }
    for (std::size_t sent = 0; sent < request.size();) {
        if (!WaitFor(fd, POLLOUT, end)) {
            reply.timedOut = true;
            return reply;
        }
        const auto n = ::send(fd, request.data() + sent, static_cast<int>(request.size() - sent), kSendFlags);
        const int error = n < 0 ? LastSocketError() : 0;
        if (n < 0 && error != kWouldBlock && error != kInterrupted) {
            reply.error = error;
            return reply;
        }
        if (n > 0) sent += static_cast<std::size_t>(n);
    }
    char buffer[65536];
    while (reply.bytes.size() < maxBytes) {
        if (!WaitFor(fd, POLLIN, end)) {
            reply.timedOut = true;
            break;
        }
        const auto n = ::recv(fd, buffer, static_cast<int>(std::min(sizeof buffer, maxBytes - reply.bytes.size())), 0);
        if (n == 0) break;
        if (n < 0) {
            const int error = LastSocketError();
            if (error == kWouldBlock || error == kInterrupted) continue;
            reply.error = error;
            break;
        }
        reply.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return reply;
}

}  // namespace

bool WaitFor(SocketHandle fd, short events, Clock::time_point end) {
    for (;;) {
        PollEntry p{fd, events, 0};
        const int rc = PollSockets(&p, 1, MsLeft(end));
        if (rc > 0) return true;
        if (rc == 0) return false;
        if (LastSocketError() != kInterrupted) return false;
    }
}

RawReply RawExchange(int port, std::string_view request, std::chrono::milliseconds limit, std::size_t maxBytes) {
    const SocketLibrary sockets;
    const SocketHandle fd = OpenSocket(SOCK_STREAM);
    if (fd == kNoSocket) return RawReply{{}, LastSocketError(), false};
    RawReply reply = Exchange(fd, port, request, Clock::now() + limit, maxBytes);
    CloseSocket(fd);
    return reply;
}

RawReply RawGet(int port, std::string_view path, std::chrono::milliseconds limit, std::size_t maxBytes) {
    return RawExchange(port, "GET " + std::string(path) + " HTTP/1.0\r\n\r\n", limit, maxBytes);
}

std::string BodyOf(const std::string& reply) {
    const std::size_t blank = reply.find("\r\n\r\n");
    return blank == std::string::npos ? reply : reply.substr(blank + 4);
}

std::string DemoServiceProcess::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

void DemoServiceProcess::SetFault(std::string_view query) const {
    const RawReply reply = RawGet(port_, "/control/fault?" + std::string(query));
    if (!reply.bytes.starts_with("HTTP/1.0 200 "))
        throw std::runtime_error("fault not accepted: " + std::string(query) + ": " + reply.bytes);
}

}  // namespace lookout::test
