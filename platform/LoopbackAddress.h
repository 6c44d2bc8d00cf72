#pragma once
// 127.0.0.1 and a port, where the demo service listens and where the tests
// and benchmarks put their own servers.
#include <cstdint>

#include "platform/Socket.h"

namespace lookout {

inline sockaddr_in LoopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

}  // namespace lookout
