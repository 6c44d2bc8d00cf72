#pragma once
// The history file: every refresh a watch made, kept raw for 48 hours and
// then rolled up to one row per server and hour, for `keepDays`. A normal
// SQLite file in WAL mode; its schema version is PRAGMA user_version, and a
// file of a newer version is refused without a byte of it changed.
#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/HistoryQuery.h"
#include "history/Sqlite.h"

namespace lookout {

// One server as a refresh saw it. Texts are Shift-JIS, as the pages give them.
struct ServerSample {
    std::string key;
    std::optional<std::string> word;  // nullopt: no line on the status page
    // The two count fields: numbers when they are whole numbers, else the
    // texts as the page gave them.
    std::optional<std::int64_t> users, capacity;
    std::optional<std::string> usersText, capacityText;
    std::optional<std::string> party, guild;
};

struct RefreshRecord {
    HistoryTime at;
    std::optional<std::string> failure;  // the status page's failure; nullopt: read
    std::vector<ServerSample> servers;   // empty after a failure
};

inline constexpr std::chrono::hours kRawWindow{48};

class HistoryStore {
public:
    enum class Mode { Read, Record };
    // Record creates the file and its tables when missing. Raises Exception
    // naming the file and the cause: SQLite's message, or a newer version.
    HistoryStore(const std::string& path, Mode mode);

    // Claims the file for one watch, whose refreshes come every `interval`
    // and each end within `timeout`. Raises Exception when another watch
    // records into it and has written within the last three intervals.
    void StartWatch(HistoryTime now, std::chrono::milliseconds interval, std::chrono::milliseconds timeout);
    void Record(const RefreshRecord& refresh);
    // The watch stops: the time after its last refresh is no data.
    void EndWatch(HistoryTime now);
    // Rolls the raw refreshes older than 48 hours up into hourly rows and
    // removes what is older than keepDays: an hour of rows at most per call,
    // and once the backlog is done, nothing again for an hour.
    void Maintain(HistoryTime now, int keepDays);

    // The start of the Down or Dead run a server was in up to its last
    // sample before `now`, when it was in one; for a recovery's "after".
    std::optional<HistoryTime> OutageStart(const std::string& key, HistoryTime now);

    // The spans of raw refreshes from `from` (clipped there) up to `to`, per
    // server key, in time order.
    std::vector<std::pair<std::string, Span>> Spans(HistoryTime from, HistoryTime to);

    Database& Db() { return db_; }
    // Hourly rows hold the time before this; raw refreshes the time after.
    HistoryTime RolledUntil();

    ~HistoryStore();

private:
    struct Prepared;  // the statements, each prepared once
    void RollUpHour(HistoryTime hour);

    Database db_;
    std::unique_ptr<Prepared> sql_;
    std::optional<std::int64_t> watch_;
    HistoryTime nextMaintenance_{};
};

// The status columns of the hourly table (good, closed, dead, down, other,
// missing), in their order.
inline constexpr std::array<ServerStatus, kStatusCount> kHourlyColumns = {ServerStatus::Good,  ServerStatus::Closed,
                                                                          ServerStatus::Dead,  ServerStatus::Down,
                                                                          ServerStatus::Other, ServerStatus::Missing};

}  // namespace lookout
