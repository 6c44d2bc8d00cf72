#pragma once
// The read side of the history store: for a period and a list of servers,
// what each server was doing, as spans of time. Raw refreshes give one span
// each; time older than the raw window comes as one row per server and hour.
// Time without a span is no data: a failed refresh, or no watch running.
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "monitor/ServerStatus.h"

namespace lookout {

using HistoryClock = std::chrono::system_clock;
using HistoryTime = std::chrono::time_point<HistoryClock, std::chrono::milliseconds>;

// [from, to): what a report, a chart or an export covers.
struct Period {
    HistoryTime from, to;
};

// One refresh that read the status page, as it held for one server until the
// next refresh, at most the watch's interval plus a refresh's time limit, and
// never past the watch's end: the time after is no data.
struct Span {
    HistoryTime start, end;
    ServerStatus status = ServerStatus::Missing;
    std::optional<std::string> word;       // Shift-JIS; nullopt: no line for the server
    std::optional<std::int64_t> users;     // the first count field when it is a whole number
    std::optional<std::int64_t> capacity;  // the second
};

// The number of ServerStatus values, for per-status tables.
inline constexpr std::size_t kStatusCount = 6;
inline constexpr std::size_t Index(ServerStatus status) { return static_cast<std::size_t>(status); }

// One server's hour after the raw window: the seconds in each status (indexed
// by Index(status)), the seconds of no data, and the users over the seconds
// in which the page gave them as a number.
struct HourRow {
    HistoryTime hour;  // the hour's start, UTC
    std::array<std::int64_t, kStatusCount> seconds{};
    std::int64_t noDataSeconds = 0;
    std::int64_t usersSeconds = 0;  // the weight of the mean
    std::optional<std::int64_t> usersMin, usersMax;
    std::optional<double> usersMean;
};

struct ServerHistory {
    std::string key;                         // the server key, in slot order
    std::vector<HourRow> hours;              // oldest first, all before the first span
    std::vector<Span> spans;                 // oldest first, within the period
    std::optional<std::string> lastWord;     // the last recorded status word (Shift-JIS)
    std::optional<ServerStatus> lastStatus;  // nullopt: nothing recorded in the period
};

class HistoryStore;  // history/HistoryStore.h: open with HistoryStore(path, HistoryStore::Mode::Read)

// The servers named (server keys; empty: every server with a record in the
// period), in slot order, spans clipped to the period. Raises Exception with
// SQLite's message when the file cannot be read.
std::vector<ServerHistory> ReadHistory(HistoryStore& store, const Period& period,
                                       const std::vector<std::string>& servers = {});

}  // namespace lookout
