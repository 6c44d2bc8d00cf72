#include "history/HistoryStore.h"

#include <algorithm>
#include <array>
#include <map>

#include "platform/Exception.h"

namespace lookout {

namespace {

using std::chrono::milliseconds;

constexpr int kSchemaVersion = 1;
constexpr milliseconds kHour = std::chrono::hours(1);

// Times are milliseconds since 1970 (UTC) in every table.
const char* const kSchema = R"(
CREATE TABLE watch(id INTEGER PRIMARY KEY, started INTEGER NOT NULL, interval_ms INTEGER NOT NULL,
                   covers_ms INTEGER NOT NULL, heartbeat INTEGER NOT NULL, ended INTEGER);
CREATE TABLE refresh(id INTEGER PRIMARY KEY, watch INTEGER NOT NULL REFERENCES watch(id), at INTEGER NOT NULL,
                     failure TEXT);
CREATE INDEX refresh_at ON refresh(at);
CREATE TABLE sample(refresh INTEGER NOT NULL REFERENCES refresh(id), server TEXT NOT NULL, state TEXT,
                    users INTEGER, capacity INTEGER, users_text TEXT, capacity_text TEXT, party TEXT, guild TEXT,
                    PRIMARY KEY(refresh, server)) WITHOUT ROWID;
CREATE TABLE hourly(server TEXT NOT NULL, hour INTEGER NOT NULL,
                    good INTEGER NOT NULL, closed INTEGER NOT NULL, dead INTEGER NOT NULL, down INTEGER NOT NULL,
                    other INTEGER NOT NULL, missing INTEGER NOT NULL, no_data INTEGER NOT NULL,
                    users_seconds INTEGER NOT NULL, users_min INTEGER, users_mean REAL, users_max INTEGER,
                    PRIMARY KEY(server, hour)) WITHOUT ROWID;
CREATE TABLE rolled(until INTEGER NOT NULL);
INSERT INTO rolled VALUES(0);
)";

std::int64_t Ms(HistoryTime time) { return time.time_since_epoch().count(); }
HistoryTime Time(std::int64_t ms) { return HistoryTime(milliseconds(ms)); }
HistoryTime HourOf(HistoryTime time) { return std::chrono::floor<std::chrono::hours>(time); }

int UserVersion(Database& db) {
    Statement version(db, "PRAGMA user_version");
    version.Step();
    const int value = static_cast<int>(version.Int(0));
    version.Reset();
    return value;
}

bool IsOutage(ServerStatus status) { return status == ServerStatus::Down || status == ServerStatus::Dead; }

}  // namespace

struct HistoryStore::Prepared {
    explicit Prepared(Database& db)
        : insertRefresh(db, "INSERT INTO refresh(watch, at, failure) VALUES(?, ?, ?)"),
          insertSample(db,
                       "INSERT INTO sample(refresh, server, state, users, capacity, users_text, capacity_text, "
                       "party, guild) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          heartbeat(db, "UPDATE watch SET heartbeat = ? WHERE id = ?"),
          rolledUntil(db, "SELECT until FROM rolled"),
          setRolled(db, "UPDATE rolled SET until = ?"),
          firstRefreshFrom(db, "SELECT min(at) FROM refresh WHERE at >= ?"),
          insertHour(db, "INSERT OR REPLACE INTO hourly VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          deleteSamples(db, "DELETE FROM sample WHERE refresh IN (SELECT id FROM refresh WHERE at < ?)"),
          deleteRefreshes(db, "DELETE FROM refresh WHERE at < ?"),
          oldestHour(db, "SELECT min(hour) FROM hourly"),
          deleteHours(db, "DELETE FROM hourly WHERE hour < ?"),
          samplesBack(db,
                      "SELECT r.at, s.state FROM refresh r JOIN sample s ON s.refresh = r.id "
                      "WHERE s.server = ? AND r.at < ? ORDER BY r.at DESC LIMIT 500"),
          hoursBack(db,
                    "SELECT hour, dead + down, good + closed + other + missing FROM hourly "
                    "WHERE server = ? AND hour < ? ORDER BY hour DESC LIMIT 500"),
          // A refresh holds until the next one, at most its watch's interval
          // plus the refresh's time limit, and never past its watch's end.
          spans(db,
                "SELECT r.at, w.covers_ms, w.ended, r.failure, s.server, s.state, s.users, s.capacity, r.id "
                "FROM refresh r JOIN watch w ON w.id = r.watch LEFT JOIN sample s ON s.refresh = r.id "
                "WHERE r.at >= ? - (SELECT max(covers_ms) FROM watch) AND r.at < ? ORDER BY r.at, r.id") {}

    Statement insertRefresh, insertSample, heartbeat, rolledUntil, setRolled, firstRefreshFrom, insertHour,
        deleteSamples, deleteRefreshes, oldestHour, deleteHours, samplesBack, hoursBack, spans;
};

HistoryStore::HistoryStore(const std::string& path, Mode mode)
    : db_(path, mode == Mode::Record ? Database::Access::ReadWrite : Database::Access::ReadOnly) {
    const int version = UserVersion(db_);
    if (version > kSchemaVersion)
        throw Exception(path + " was written by a newer lookout-status (history version " + std::to_string(version) +
                        ", this one knows " + std::to_string(kSchemaVersion) + "); it is left as it is");
    if (version == 0) {
        if (mode == Mode::Read) throw Exception(path + " holds no history of lookout-status");
        Transaction creating(db_);
        if (UserVersion(db_) == 0)  // unless another watch made it meanwhile
            db_.Run(kSchema + ("PRAGMA user_version = " + std::to_string(kSchemaVersion)));
        creating.Commit();
    }
    // In WAL mode a commit is safe from a crash of the program without a
    // flush to disk of its own; a power loss may take the last refreshes.
    if (mode == Mode::Record) db_.Run("PRAGMA journal_mode = WAL; PRAGMA synchronous = NORMAL");
    sql_ = std::make_unique<Prepared>(db_);
}

HistoryStore::~HistoryStore() = default;

void HistoryStore::StartWatch(HistoryTime now, milliseconds interval, milliseconds timeout) {
    Transaction claim(db_);
    Statement other(db_, "SELECT count(*) FROM watch WHERE ended IS NULL AND heartbeat > ? - 3 * interval_ms");
    other.Bind(1, Ms(now)).Step();
    const bool taken = other.Int(0) > 0;
    other.Reset();
    if (taken) throw Exception(db_.Path() + " is being recorded by another lookout-status --watch");
    Statement start(db_, "INSERT INTO watch(started, interval_ms, covers_ms, heartbeat) VALUES(?, ?, ?, ?)");
    start.Bind(1, Ms(now)).Bind(2, std::int64_t{interval.count()}).Bind(3, std::int64_t{(interval + timeout).count()});
    start.Bind(4, Ms(now)).Run();
    watch_ = db_.LastInsertId();
    claim.Commit();
}

void HistoryStore::Record(const RefreshRecord& refresh) {
    Transaction writing(db_);
    sql_->insertRefresh.Bind(1, *watch_).Bind(2, Ms(refresh.at)).Bind(3, refresh.failure).Run();
    const std::int64_t id = db_.LastInsertId();
    for (const ServerSample& server : refresh.servers) {
        Statement& insert = sql_->insertSample;
        insert.Bind(1, id).Bind(2, std::string_view(server.key)).Bind(3, server.word).Bind(4, server.users);
        insert.Bind(5, server.capacity).Bind(6, server.usersText).Bind(7, server.capacityText);
        insert.Bind(8, server.party).Bind(9, server.guild).Run();
    }
    sql_->heartbeat.Bind(1, Ms(refresh.at)).Bind(2, *watch_).Run();
    writing.Commit();
}

void HistoryStore::EndWatch(HistoryTime now) {
    if (!watch_) return;
    Statement end(db_, "UPDATE watch SET ended = ? WHERE id = ?");
    end.Bind(1, Ms(now)).Bind(2, *watch_).Run();
    watch_.reset();
}

HistoryTime HistoryStore::RolledUntil() {
    sql_->rolledUntil.Step();
    const HistoryTime until = Time(sql_->rolledUntil.Int(0));
    sql_->rolledUntil.Reset();
    return until;
}

void HistoryStore::Maintain(HistoryTime now, int keepDays) {
    if (now < nextMaintenance_) return;
    const HistoryTime rollTo = HourOf(now - kRawWindow);
    HistoryTime hour = RolledUntil();
    if (hour < rollTo) {
        // Skip hours without a refresh, as after days without a watch.
        sql_->firstRefreshFrom.Bind(1, Ms(hour - kHour));
        sql_->firstRefreshFrom.Step();
        const std::optional<std::int64_t> first = sql_->firstRefreshFrom.OptionalInt(0);
        sql_->firstRefreshFrom.Reset();
        hour = std::max(hour, first ? HourOf(Time(*first)) : rollTo);
    }
    Transaction pruning(db_);
    const bool backlog = hour < rollTo;
    if (backlog) {
        RollUpHour(hour);
        // A refresh just before the next hour still covers part of it.
        sql_->deleteSamples.Bind(1, Ms(hour)).Run();
        sql_->deleteRefreshes.Bind(1, Ms(hour)).Run();
    }
    sql_->setRolled.Bind(1, Ms(backlog ? hour + kHour : std::max(hour, rollTo))).Run();
    const HistoryTime cutoff = now - std::chrono::days(keepDays);
    sql_->oldestHour.Step();
    const std::optional<std::int64_t> oldest = sql_->oldestHour.OptionalInt(0);
    sql_->oldestHour.Reset();
    // A day of hourly rows at a time, should --keep have shrunk.
    if (oldest) sql_->deleteHours.Bind(1, Ms(std::min(cutoff, Time(*oldest) + std::chrono::days(1)))).Run();
    if (cutoff > hour) {
        sql_->deleteSamples.Bind(1, Ms(cutoff)).Run();
        sql_->deleteRefreshes.Bind(1, Ms(cutoff)).Run();
    }
    pruning.Commit();
    const bool more = backlog && hour + kHour < rollTo;
    if (!more) nextMaintenance_ = now + kHour;
}

void HistoryStore::RollUpHour(HistoryTime hour) {
    struct Sums {
        std::array<std::int64_t, kStatusCount> ms{};
        std::int64_t usersMs = 0;
        double usersMsSum = 0;  // users times milliseconds
        std::optional<std::int64_t> usersMin, usersMax;
    };
    std::map<std::string, Sums> servers;
    for (const auto& [key, span] : Spans(hour, hour + kHour)) {
        Sums& sums = servers[key];
        const std::int64_t ms = (span.end - span.start).count();
        sums.ms[Index(span.status)] += ms;
        if (!span.users) continue;
        const std::int64_t users = *span.users;
        sums.usersMs += ms;
        sums.usersMsSum += static_cast<double>(users) * static_cast<double>(ms);
        sums.usersMin = std::min(sums.usersMin.value_or(users), users);
        sums.usersMax = std::max(sums.usersMax.value_or(users), users);
    }
    const auto seconds = [](std::int64_t ms) { return (ms + 500) / 1000; };
    for (const auto& [key, sums] : servers) {
        Statement& insert = sql_->insertHour;
        insert.Bind(1, std::string_view(key)).Bind(2, Ms(hour));
        std::int64_t covered = 0;
        for (std::size_t i = 0; i < kStatusCount; ++i) {
            insert.Bind(3 + static_cast<int>(i), seconds(sums.ms[Index(kHourlyColumns[i])]));
            covered += sums.ms[i];
        }
        std::optional<double> mean;
        if (sums.usersMs > 0) mean = sums.usersMsSum / static_cast<double>(sums.usersMs);
        insert.Bind(9, std::int64_t{3600} - seconds(covered)).Bind(10, seconds(sums.usersMs));
        insert.Bind(11, sums.usersMin).Bind(12, mean).Bind(13, sums.usersMax).Run();
    }
}

std::optional<HistoryTime> HistoryStore::OutageStart(const std::string& key, HistoryTime now) {
    std::optional<HistoryTime> start;
    Statement& back = sql_->samplesBack;
    back.Bind(1, std::string_view(key)).Bind(2, Ms(now));
    bool ended = false;
    while (back.Step()) {
        const std::optional<std::string> word = back.OptionalText(1);
        if (!IsOutage(word ? StatusOfWord(*word) : ServerStatus::Missing)) {
            ended = true;
            break;
        }
        start = Time(back.Int(0));
    }
    back.Reset();
    if (ended || !start) return start;
    // The run reaches past the raw refreshes: its hours down or dead with no
    // other state in them carry it further back.
    Statement& hours = sql_->hoursBack;
    hours.Bind(1, std::string_view(key)).Bind(2, Ms(*start));
    while (hours.Step() && hours.Int(1) > 0 && hours.Int(2) == 0) start = Time(hours.Int(0));
    hours.Reset();
    return start;
}

std::vector<std::pair<std::string, Span>> HistoryStore::Spans(HistoryTime from, HistoryTime to) {
    Statement& reading = sql_->spans;
    reading.Bind(1, Ms(from)).Bind(2, Ms(to));
    struct Pending {
        HistoryTime at, end;
        std::vector<std::pair<std::string, Span>> servers;
    };
    std::vector<Pending> refreshes;
    std::int64_t lastId = -1;
    while (reading.Step()) {
        const std::int64_t at = reading.Int(0);
        if (reading.Int(8) != lastId) {
            HistoryTime end = Time(at + reading.Int(1));
            if (const auto ended = reading.OptionalInt(2)) end = std::min(end, Time(*ended));
            if (!refreshes.empty()) refreshes.back().end = std::min(refreshes.back().end, Time(at));
            refreshes.push_back({Time(at), end, {}});
            lastId = reading.Int(8);
        }
        if (!reading.IsNull(3) || reading.IsNull(4)) continue;  // failed: no data
        Span span;
        span.word = reading.OptionalText(5);
        span.status = span.word ? StatusOfWord(*span.word) : ServerStatus::Missing;
        span.users = reading.OptionalInt(6);
        span.capacity = reading.OptionalInt(7);
        refreshes.back().servers.emplace_back(reading.Text(4), std::move(span));
    }
    std::vector<std::pair<std::string, Span>> spans;
    for (Pending& refresh : refreshes) {
        const HistoryTime start = std::max(refresh.at, from), end = std::min(refresh.end, to);
        if (start >= end) continue;
        for (auto& [key, span] : refresh.servers) {
            span.start = start;
            span.end = end;
            spans.emplace_back(std::move(key), std::move(span));
        }
    }
    return spans;
}

}  // namespace lookout
