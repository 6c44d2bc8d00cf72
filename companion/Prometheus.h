#pragma once
// The metrics of one refresh in the Prometheus text exposition format 0.0.4,
// as node exporter's textfile collector reads them.
#include <cstdint>
#include <optional>
#include <string>

#include "companion/ServerState.h"

namespace lookout {

struct Scrape {
    bool statusRead;  // the status page was read at this refresh
    bool partyRead;   // and the party page
    const Servers& servers;
    double timestamp;        // the refresh's end, seconds since the epoch
    double durationSeconds;  // how long it took
    double intervalSeconds;  // the service's refresh interval
    // The earliest notAfter of the status page's TLS chain, after an https fetch.
    std::optional<double> certificateExpiry;
};

// Every family with its HELP and TYPE lines: lookout_up, then the servers'
// families (only when the status page was read; the indicators only when the
// party page was too), then the refresh's time, duration and interval, and
// after an https fetch of the status page its certificate's expiry.
std::string FormatPrometheus(const Scrape& scrape);

// The counter a live endpoint adds: lookout_refreshes_total{result="read"}
// and {result="failed"}.
std::string FormatRefreshCounts(std::uint64_t read, std::uint64_t failed);

}  // namespace lookout
