#include "companion/LiveEndpoint.h"

#include "companion/Prometheus.h"

namespace lookout {

namespace {

sockaddr_in SocketAddress(const ListenAddress& listen) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(listen.port));
    address.sin_addr.s_addr = listen.address;
    return address;
}

}  // namespace

LiveEndpoint::LiveEndpoint(Pump& pump, const ListenAddress& address)
    : http_(pump, SocketAddress(address), [this](const Request& request) { return Answer(request); }) {}

void LiveEndpoint::AfterRefresh(bool statusRead, std::string metrics) {
    ++(statusRead ? read_ : failed_);
    healthy_ = statusRead;
    metrics_ = std::move(metrics);
}

HttpAnswer LiveEndpoint::Answer(const Request& request) const {
    if (request.path == "/metrics")
        return {200, "OK", "text/plain; version=0.0.4; charset=utf-8", metrics_ + FormatRefreshCounts(read_, failed_)};
    if (request.path == "/health") {
        if (healthy_) return {200, "OK", "text/plain; charset=utf-8", "the last refresh read the status page\n"};
        return {503, "Service Unavailable", "text/plain; charset=utf-8",
                "the last refresh did not read the status page\n"};
    }
    return {404, "Not Found", "text/plain; charset=utf-8", "only /metrics and /health are served\n"};
}

}  // namespace lookout
