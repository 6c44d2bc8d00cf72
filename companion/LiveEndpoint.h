#pragma once
// The watch's own endpoint for Prometheus, on the watch's pump: GET /metrics
// gives the metrics of the last refresh and the count of refreshes, GET
// /health 200 while the last refresh read the status page, else 503.
#include <cstdint>
#include <string>

#include "companion/ListenAddress.h"
#include "net/HttpEndpoint.h"

namespace lookout {

class LiveEndpoint {
public:
    // Raises Exception "cannot listen on ADDRESS:PORT: reason".
    LiveEndpoint(Pump& pump, const ListenAddress& address);

    int Port() const { return http_.Port(); }
    // After every refresh: whether it read the status page, and its metrics.
    void AfterRefresh(bool statusRead, std::string metrics);

private:
    HttpAnswer Answer(const Request& request) const;

    std::uint64_t read_ = 0, failed_ = 0;
    bool healthy_ = false;
    std::string metrics_;  // empty before the first refresh
    HttpEndpoint http_;
};

}  // namespace lookout
