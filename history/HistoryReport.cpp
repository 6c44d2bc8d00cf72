#include "history/HistoryReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "monitor/SlotTable.h"

namespace lookout {

namespace {

using std::chrono::milliseconds;
constexpr milliseconds kHour = std::chrono::hours(1);

bool IsOutage(ServerStatus status) { return status == ServerStatus::Down || status == ServerStatus::Dead; }

// The report of one server, fed its hours and spans in time order.
class Tally {
public:
    Tally(ServerReport& report, const Period& period, std::size_t cells)
        : report_(report),
          period_(period),
          cellMs_(std::max<std::int64_t>(1, (period.to - period.from).count() / std::max<std::size_t>(cells, 1))) {
        report_.cells.assign(cells, std::nullopt);
        cellSums_.assign(cells, {0, 0});
    }

    void Hour(const HourRow& row) {
        // An hour straddling the period's start counts for its share.
        const double share =
            static_cast<double>((std::min(row.hour + kHour, period_.to) - std::max(row.hour, period_.from)).count()) /
            static_cast<double>(kHour.count());
        std::int64_t out = 0, other = 0;
        for (std::size_t i = 0; i < kStatusCount; ++i) {
            const auto status = static_cast<ServerStatus>(i);
            const auto ms = static_cast<std::int64_t>(static_cast<double>(row.seconds[i]) * 1000 * share);
            Observe(status, ms);
            (IsOutage(status) ? out : other) += row.seconds[i];
        }
        // Within an hour only the seconds are known: an outage is taken to
        // end the hour it starts in and to open the hour it ends in.
        if (out > 0 && !runStart_) {
            runStart_ = row.hour + milliseconds(1000 * (3600 - out));
        } else if (out > 0 && other > 0) {
            Close(row.hour + milliseconds(1000 * out));
        } else if (out == 0 && other > 0 && runStart_) {
            Close(row.hour);
        }
        if (out > 0) runEnd_ = row.hour + kHour;
        if (row.usersMean)
            Users(*row.usersMean, row.usersMin, row.usersMax, row.hour, row.hour + kHour,
                  static_cast<double>(row.usersSeconds) * 1000 * share);
    }

    void Add(const Span& span) {
        Observe(span.status, (span.end - span.start).count());
        if (IsOutage(span.status)) {
            if (!runStart_) runStart_ = span.start;
            runEnd_ = span.end;
        } else if (runStart_) {
            Close(span.start);
        }
        if (span.users) {
            const double users = static_cast<double>(*span.users);
            Users(users, span.users, span.users, span.start, span.end,
                  static_cast<double>((span.end - span.start).count()));
        }
    }

    void Finish() {
        if (runStart_) Close(runEnd_);
        const double period = static_cast<double>((period_.to - period_.from).count());
        report_.seen = period > 0 ? 100.0 * static_cast<double>(observed_) / period : 0;
        const std::int64_t counted = observed_ - byStatus_[Index(ServerStatus::Closed)];
        if (counted > 0)
            report_.uptime =
                100.0 * static_cast<double>(byStatus_[Index(ServerStatus::Good)]) / static_cast<double>(counted);
        if (usersWeight_ > 0) report_.usersMean = usersSum_ / usersWeight_;
        for (std::size_t i = 0; i < cellSums_.size(); ++i)
            if (cellSums_[i].second > 0) report_.cells[i] = cellSums_[i].first / cellSums_[i].second;
    }

private:
    void Observe(ServerStatus status, std::int64_t ms) {
        byStatus_[Index(status)] += ms;
        observed_ += ms;
    }

    void Close(HistoryTime end) {
        const milliseconds length = end - *runStart_;
        ++report_.outages;
        report_.longest = std::max(report_.longest, length);
        report_.lastDownStart = runStart_;
        report_.lastDownFor = length;
        runStart_.reset();
    }

    void Users(double mean, std::optional<std::int64_t> least, std::optional<std::int64_t> most, HistoryTime from,
               HistoryTime to, double weight) {
        if (weight <= 0) return;
        usersSum_ += mean * weight;
        usersWeight_ += weight;
        if (least) report_.usersMin = std::min(report_.usersMin.value_or(*least), *least);
        if (most) report_.usersMax = std::max(report_.usersMax.value_or(*most), *most);
        // Spread over the cells it overlaps, by overlap.
        from = std::max(from, period_.from);
        to = std::min(to, period_.to);
        const double density = weight / static_cast<double>(std::max<std::int64_t>(1, (to - from).count()));
        for (HistoryTime at = from; at < to;) {
            const auto cell = static_cast<std::size_t>((at - period_.from).count() / cellMs_.count());
            if (cell >= cellSums_.size()) break;
            const HistoryTime cellEnd = std::min(to, period_.from + cellMs_ * static_cast<std::int64_t>(cell + 1));
            const double part = density * static_cast<double>((cellEnd - at).count());
            cellSums_[cell].first += mean * part;
            cellSums_[cell].second += part;
            at = cellEnd;
        }
    }

    ServerReport& report_;
    const Period period_;
    const milliseconds cellMs_;
    std::array<std::int64_t, kStatusCount> byStatus_{};
    std::int64_t observed_ = 0;
    std::optional<HistoryTime> runStart_;
    HistoryTime runEnd_{};
    double usersSum_ = 0, usersWeight_ = 0;
    std::vector<std::pair<double, double>> cellSums_;  // users times weight, weight
};

}  // namespace

std::vector<ServerReport> BuildReport(const std::vector<ServerHistory>& history, const Period& period,
                                      std::size_t cells) {
    std::vector<ServerReport> reports;
    const auto add = [&](std::string key) {
        reports.emplace_back().key = std::move(key);
        return reports.end() - 1;
    };
    for (const SlotDef& slot : kSlots) add(std::string(slot.key));
    for (const ServerHistory& server : history) {
        auto found = std::find_if(reports.begin(), reports.end(),
                                  [&](const ServerReport& report) { return report.key == server.key; });
        if (found == reports.end()) found = add(server.key);
        found->lastWord = server.lastWord;
        found->lastStatus = server.lastStatus;
    }
    for (ServerReport& report : reports) {
        Tally tally(report, period, cells);
        for (const ServerHistory& server : history) {
            if (server.key != report.key) continue;
            for (const HourRow& row : server.hours) tally.Hour(row);
            for (const Span& span : server.spans) tally.Add(span);
        }
        tally.Finish();
    }
    return reports;
}

std::string Sparkline(const std::vector<std::optional<double>>& cells, bool ascii) {
    static const char* const kBlocks[] = {"▁", "▂", "▃", "▄", "▅", "▆", "▇", "█"};
    static const char kAscii[] = "_.-:=+*@";
    double most = 0;
    for (const auto& cell : cells) most = std::max(most, cell.value_or(0));
    std::string line;
    for (const auto& cell : cells) {
        if (!cell) {
            line += ' ';
            continue;
        }
        const int level = most > 0 ? std::clamp(static_cast<int>(std::lround(*cell / most * 7)), 0, 7) : 0;
        line += ascii ? std::string(1, kAscii[level]) : std::string(kBlocks[level]);
    }
    return line;
}

std::string IsoUtc(HistoryTime time) {
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{std::chrono::floor<std::chrono::seconds>(time - day)};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

}  // namespace lookout
