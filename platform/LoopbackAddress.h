#pragma once
// 127.0.0.1 and a port, where the demo service listens and where the tests
// and benchmarks put their own servers.
#include <cstdint>

#include "platform/Socket.h"

namespace lookout {

inline sockaddr_in LoopbackAddress(int port) { return Ipv4Address(htonl(INADDR_LOOPBACK), port); }

}  // namespace lookout
