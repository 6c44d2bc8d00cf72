#pragma once
// One socket's watch, as a pump hands it out: the pump calls its owner while
// it lives, and its end (destroyed, or another assigned over it) ends the
// watch. A later watch of the same socket takes the socket over; the end of
// the earlier one then changes nothing. The pump outlives its watches.
#include <cstdint>

#include "platform/SocketHandle.h"

namespace lookout {

class SocketWatches;

class [[nodiscard]] SocketWatch {
public:
    SocketWatch() = default;
    SocketWatch(SocketWatch&& other) noexcept;
    SocketWatch& operator=(SocketWatch&& other) noexcept;
    ~SocketWatch();

private:
    friend class SocketWatches;
    SocketWatch(SocketWatches& registry, SocketHandle socket, std::uint64_t serial)
        : registry_(&registry), socket_(socket), serial_(serial) {}
    void End();

    SocketWatches* registry_ = nullptr;
    SocketHandle socket_ = kNoSocket;
    std::uint64_t serial_ = 0;
};

}  // namespace lookout
