#include "history/HistoryExport.h"

#include <cstdio>

#include "history/HistoryReport.h"
#include "history/HistoryStore.h"
#include "platform/DisplayText.h"

namespace lookout {

namespace {

const char* const kHeader =
    "time,kind,server,state,users,capacity,party,guild,good_s,closed_s,dead_s,down_s,other_s,missing_s,no_data_s,"
    "users_min,users_mean,users_max\r\n";

std::string Field(const std::string& utf8) {
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (const char c : utf8) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// Column `column` of a row: a number, a Shift-JIS text, or empty for NULL.
std::string Cell(const Statement& row, int column) {
    if (row.IsNull(column)) return "";
    return Field(SjisToUtf8(row.Text(column)));
}

HistoryTime Time(std::int64_t ms) { return HistoryTime(std::chrono::milliseconds(ms)); }

}  // namespace

void ExportCsv(HistoryStore& store, const Period& period, std::ostream& out) {
    const std::int64_t from = period.from.time_since_epoch().count(), to = period.to.time_since_epoch().count();
    out << kHeader;
    Statement hours(store.Db(),
                    "SELECT hour, server, good, closed, dead, down, other, missing, no_data, users_min, users_mean, "
                    "users_max FROM hourly WHERE hour >= ? AND hour < ? ORDER BY hour, server");
    hours.Bind(1, from).Bind(2, to);
    while (hours.Step()) {
        out << IsoUtc(Time(hours.Int(0))) << ",hourly," << Cell(hours, 1) << ",,,,,";
        for (int column = 2; column <= 8; ++column) out << "," << hours.Int(column);
        char mean[32] = "";
        if (!hours.IsNull(10)) std::snprintf(mean, sizeof mean, "%.2f", hours.Real(10));
        out << "," << Cell(hours, 9) << "," << mean << "," << Cell(hours, 11) << "\r\n";
    }
    Statement samples(store.Db(),
                      "SELECT r.at, r.failure, s.server, s.state, coalesce(s.users, s.users_text), "
                      "coalesce(s.capacity, s.capacity_text), s.party, s.guild, s.state IS NULL "
                      "FROM refresh r LEFT JOIN sample s ON s.refresh = r.id WHERE r.at >= ? AND r.at < ? "
                      "ORDER BY r.at, r.id, s.server");
    samples.Bind(1, from).Bind(2, to);
    while (samples.Step()) {
        out << IsoUtc(Time(samples.Int(0)));
        if (!samples.IsNull(1)) {
            out << ",failed,," << Cell(samples, 1) << ",,,,,,,,,,,,,,\r\n";
            continue;
        }
        // A server without a line on the page is "missing", as the table says.
        out << ",sample," << Cell(samples, 2) << "," << (samples.Int(8) ? "missing" : Cell(samples, 3));
        for (int column = 4; column <= 7; ++column) out << "," << Cell(samples, column);
        out << ",,,,,,,,,,\r\n";
    }
}

}  // namespace lookout
