#pragma once
// A socket as the system names it: a descriptor on POSIX systems, a SOCKET
// (a pointer-sized handle) on Windows. The pump watches these.
#include <cstdint>

namespace lookout {

#ifdef _WIN32
using SocketHandle = std::uintptr_t;                         // SOCKET
inline constexpr SocketHandle kNoSocket = ~SocketHandle{0};  // INVALID_SOCKET
#else
using SocketHandle = int;
inline constexpr SocketHandle kNoSocket = -1;
#endif

}  // namespace lookout
