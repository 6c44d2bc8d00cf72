#include "companion/HistoryOutput.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <vector>

#include "companion/Durations.h"
#include "companion/IsoTime.h"
#include "companion/JsonReport.h"
#include "companion/Table.h"
#include "history/HistoryChart.h"
#include "history/HistoryExport.h"
#include "history/HistoryReport.h"
#include "history/HistoryStore.h"
#include "platform/AtomicFile.h"

namespace lookout {

namespace {

using std::chrono::milliseconds;
using Row = std::vector<std::string>;

const Row kHeader = {"SERVER", "STATE", "UPTIME", "SEEN", "OUTAGES", "LONGEST", "LAST DOWN", "USERS", "TREND"};

// The block characters need a terminal that takes UTF-8; a pipe gets them.
bool AsciiTerminal() {
    if (!::isatty(STDOUT_FILENO)) return false;
    std::setlocale(LC_CTYPE, "");
    return std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0;
}

std::string LocalMinute(HistoryTime time) {
    std::string text = IsoLocalTime(time).substr(0, 16);
    text[10] = ' ';
    return text;
}

std::string Number(double value, const char* format) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Percent(std::optional<double> value) { return value ? Number(*value, "%.1f%%") : "-"; }

std::string StateOf(const ServerReport& server) { return server.lastStatus ? ShownWord(server.lastWord) : "-"; }

std::string UsersOf(const ServerReport& server) {
    if (!server.usersMean) return "-";
    return std::to_string(*server.usersMin) + "/" + Number(*server.usersMean, "%.0f") + "/" +
           std::to_string(*server.usersMax);
}

std::string Table(const std::vector<ServerReport>& servers, const Period& period, milliseconds since, bool ascii) {
    std::string out = "From " + LocalMinute(period.from) + " to " + LocalMinute(period.to) + " (" +
                      DurationText(since) +
                      "). UPTIME: time in Good, of the time with data outside Closed (maintenance counts neither "
                      "as up nor as an outage); SEEN: time with data, of the period; OUTAGES: runs of Down or "
                      "Dead; USERS: min/mean/max.\n";
    std::vector<Row> rows{kHeader};
    for (const ServerReport& server : servers) {
        const std::string lastDown =
            server.lastDownStart ? LocalMinute(*server.lastDownStart) + ", " + DurationText(server.lastDownFor) : "-";
        rows.push_back({server.key, StateOf(server), Percent(server.uptime), Percent(server.seen),
                        std::to_string(server.outages), server.outages ? DurationText(server.longest) : "-", lastDown,
                        UsersOf(server), Sparkline(server.cells, ascii)});
    }
    std::vector<std::size_t> widths(kHeader.size());
    for (const Row& row : rows)
        for (std::size_t column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], TerminalWidth(row[column]));
    for (const Row& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            out += row[column];
            if (column + 1 < row.size()) out.append(widths[column] - TerminalWidth(row[column]) + 2, ' ');
        }
        out += '\n';
    }
    return out;
}

std::string Json(const std::vector<ServerReport>& servers, const Period& period) {
    const auto optional = [](const auto& value, const char* format) {
        return value ? Number(static_cast<double>(*value), format) : std::string("null");
    };
    std::string out = "{\"from\": " + JsonQuoted(IsoLocalTime(period.from)) +
                      ", \"to\": " + JsonQuoted(IsoLocalTime(period.to)) + ", \"servers\": [";
    const char* separator = "\n";
    for (const ServerReport& server : servers) {
        out += separator;
        separator = ",\n";
        out += "  {\"key\": " + JsonQuoted(server.key) +
               ", \"state\": " + (server.lastStatus ? JsonQuoted(server.lastWord.value_or("missing")) : "null") +
               ", \"uptime_percent\": " + optional(server.uptime, "%.3f") +
               ", \"seen_percent\": " + Number(server.seen, "%.3f") +
               ", \"outages\": " + std::to_string(server.outages) +
               ", \"longest_s\": " + std::to_string(server.longest.count() / 1000) + ", \"last_down\": ";
        if (server.lastDownStart) {
            out += "{\"start\": " + JsonQuoted(IsoLocalTime(*server.lastDownStart)) +
                   ", \"duration_s\": " + std::to_string(server.lastDownFor.count() / 1000) + "}";
        } else {
            out += "null";
        }
        out += ", \"users\": ";
        if (server.usersMean) {
            out += "{\"min\": " + std::to_string(*server.usersMin) +
                   ", \"mean\": " + Number(*server.usersMean, "%.1f") +
                   ", \"max\": " + std::to_string(*server.usersMax) + "}";
        } else {
            out += "null";
        }
        out += ", \"sparkline\": [";
        for (std::size_t i = 0; i < server.cells.size(); ++i)
            out += (i ? ", " : "") + optional(server.cells[i], "%.1f");
        out += "]}";
    }
    return out + "\n]}\n";
}

}  // namespace

void WriteHistoryOutput(const Options& options, const WallClock& now, std::ostream& out) {
    HistoryStore store(*options.history, HistoryStore::Mode::Read);
    const HistoryTime to = std::chrono::time_point_cast<milliseconds>(now());
    const Period period{to - options.since, to};
    if (options.chart) {
        const auto local = [](HistoryTime time) { return IsoLocalTime(time); };
        PublishFile(*options.chart, HistoryChart(ReadHistory(store, period, options.chartServers), period, local));
    } else if (options.exportCsv) {
        ExportCsv(store, period, out);
    } else {
        const std::vector<ServerReport> servers = BuildReport(ReadHistory(store, period), period);
        out << (options.json ? Json(servers, period)
                             : Table(servers, period, options.since, options.ascii || AsciiTerminal()));
    }
    out.flush();
}

}  // namespace lookout
