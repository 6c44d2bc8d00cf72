#include "companion/LiveEndpoint.h"

#include "companion/Prometheus.h"

namespace lookout {

LiveEndpoint::LiveEndpoint(Pump& pump, const ListenAddress& address)
    : http_(pump, Ipv4Address(address.address, address.port),
            [this](const Request& request) { return Answer(request); }) {}

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
