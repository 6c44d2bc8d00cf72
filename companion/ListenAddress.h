#pragma once
// Where the watch's metrics endpoint listens: --listen ADDRESS:PORT.
#include <cstdint>
#include <string>

namespace lookout {

struct ListenAddress {
    std::uint32_t address = 0;  // IPv4, network order
    int port = 0;
    std::string text;  // as given
    // 127.0.0.0/8: only this machine can connect.
    bool Loopback() const;
};

// A numeric IPv4 address or "localhost", a colon and a port from 1 to 65535.
// Raises Exception with one line for the user.
ListenAddress ParseListenAddress(const std::string& text);

}  // namespace lookout
