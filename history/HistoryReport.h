#pragma once
// What the report says of each server over a period, worked out from the
// history: uptime, coverage, outages, users and the sparkline's cells.
// Closed is maintenance: neither up nor an outage.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryQuery.h"

namespace lookout {

struct ServerReport {
    std::string key;
    std::optional<std::string> lastWord;     // Shift-JIS
    std::optional<ServerStatus> lastStatus;  // nullopt: nothing recorded
    std::optional<double> uptime;            // percent Good of the observed time outside Closed
    double seen = 0;                         // percent of the period with data
    int outages = 0;                         // runs of Down or Dead; a gap in the data does not end one
    std::chrono::milliseconds longest{0};
    std::optional<HistoryTime> lastDownStart;
    std::chrono::milliseconds lastDownFor{0};
    std::optional<std::int64_t> usersMin, usersMax;
    std::optional<double> usersMean;           // over time
    std::vector<std::optional<double>> cells;  // mean users per equal slice of the period; nullopt: no data
};

inline constexpr std::size_t kSparkCells = 24;

// Every slot's server (recorded or not), then any other key recorded, in slot order.
std::vector<ServerReport> BuildReport(const std::vector<ServerHistory>& history, const Period& period,
                                      std::size_t cells = kSparkCells);

// One character a cell, scaled to the largest cell: the block characters
// ▁ to █ (UTF-8), or ASCII from _ to @; a blank for no data.
std::string Sparkline(const std::vector<std::optional<double>>& cells, bool ascii);

// 2026-12-08T01:02:03Z.
std::string IsoUtc(HistoryTime time);

}  // namespace lookout
