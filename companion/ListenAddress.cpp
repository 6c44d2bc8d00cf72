#include "companion/ListenAddress.h"

#include "platform/Exception.h"
#include "platform/Socket.h"

namespace lookout {

bool ListenAddress::Loopback() const { return (ntohl(address) >> 24) == 127; }

ListenAddress ParseListenAddress(const std::string& text) {
    const auto wrong = [&text] {
        return Exception(
            "--listen needs ADDRESS:PORT, a numeric IPv4 address or localhost and a port from 1 to 65535, "
            "not '" +
            text + "'");
    };
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos) throw wrong();
    const std::string host = text.substr(0, colon), port = text.substr(colon + 1);
    ListenAddress listen{0, 0, text};
    // localhost is this machine by definition; no resolver is asked.
    if (host == "localhost") {
        listen.address = htonl(INADDR_LOOPBACK);
    } else if (host.find_first_not_of("0123456789.") != std::string::npos ||
               !ParseDottedAddress(host, listen.address)) {
        throw wrong();
    }
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos) throw wrong();
    listen.port = std::stoi(port);
    if (listen.port < 1 || listen.port > 65535) throw wrong();
    return listen;
}

}  // namespace lookout
