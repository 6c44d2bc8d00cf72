#include "history/HistoryQuery.h"

#include <algorithm>

#include "history/HistoryStore.h"
#include "monitor/SlotTable.h"

namespace lookout {

namespace {

std::int64_t Ms(HistoryTime time) { return time.time_since_epoch().count(); }

// Slot order; keys outside the slot table (an older table's) after them, by name.
bool SlotOrder(const std::string& a, const std::string& b) {
    const auto slot = [](const std::string& key) {
        return std::find_if(kSlots.begin(), kSlots.end(), [&](const SlotDef& def) { return def.key == key; }) -
               kSlots.begin();
    };
    const auto sa = slot(a), sb = slot(b);
    return sa != sb ? sa < sb : a < b;
}

}  // namespace

std::vector<ServerHistory> ReadHistory(HistoryStore& store, const Period& period,
                                       const std::vector<std::string>& servers) {
    std::vector<ServerHistory> found;
    const auto entry = [&](const std::string& key) -> ServerHistory& {
        for (ServerHistory& server : found)
            if (server.key == key) return server;
        found.push_back({key, {}, {}, {}, {}});
        return found.back();
    };
    const HistoryTime rolled = store.RolledUntil();
    if (period.from < rolled) {
        Statement hours(store.Db(),
                        "SELECT server, hour, good, closed, dead, down, other, missing, no_data, users_seconds, "
                        "users_min, users_mean, users_max FROM hourly WHERE hour > ? - 3600000 AND hour < ? "
                        "ORDER BY hour");
        hours.Bind(1, Ms(period.from)).Bind(2, Ms(std::min(period.to, rolled)));
        while (hours.Step()) {
            HourRow row;
            row.hour = HistoryTime(std::chrono::milliseconds(hours.Int(1)));
            for (std::size_t i = 0; i < kStatusCount; ++i)
                row.seconds[Index(kHourlyColumns[i])] = hours.Int(2 + static_cast<int>(i));
            row.noDataSeconds = hours.Int(8);
            row.usersSeconds = hours.Int(9);
            row.usersMin = hours.OptionalInt(10);
            row.usersMean = hours.OptionalReal(11);
            row.usersMax = hours.OptionalInt(12);
            entry(hours.Text(0)).hours.push_back(row);
        }
    }
    for (auto& [key, span] : store.Spans(std::max(period.from, rolled), period.to)) {
        ServerHistory& server = entry(key);
        server.lastWord = span.word;
        server.lastStatus = span.status;
        server.spans.push_back(std::move(span));
    }
    for (ServerHistory& server : found) {
        if (server.lastStatus || server.hours.empty()) continue;
        // Only hours: the state that held longest in the last one.
        const auto& seconds = server.hours.back().seconds;
        server.lastStatus =
            static_cast<ServerStatus>(std::max_element(seconds.begin(), seconds.end()) - seconds.begin());
    }
    if (!servers.empty())
        std::erase_if(found, [&](const ServerHistory& server) {
            return std::find(servers.begin(), servers.end(), server.key) == servers.end();
        });
    std::sort(found.begin(), found.end(),
              [](const ServerHistory& a, const ServerHistory& b) { return SlotOrder(a.key, b.key); });
    return found;
}

}  // namespace lookout
