#include "history/HistoryChart.h"

#include <algorithm>
#include <cstdio>

namespace lookout {

namespace {

using std::chrono::hours;
using std::chrono::minutes;
using Layout = ChartLayout;

constexpr int kRight = Layout::kWidth - 10;

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// Server keys are ASCII; anything else a label holds is escaped all the same.
std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

// The fill of a span of this status; empty: the lane's white.
const char* Fill(ServerStatus status) {
    switch (status) {
        case ServerStatus::Down:
        case ServerStatus::Dead: return "#d62728";
        case ServerStatus::Closed: return "#9e9e9e";
        case ServerStatus::Other:
        case ServerStatus::Missing: return "#f3e3a0";
        case ServerStatus::Good: break;
    }
    return "";
}

std::string Rect(double x0, double x1, int y, int height, const std::string& fill) {
    return "<rect x=\"" + Number(x0) + "\" y=\"" + std::to_string(y) + "\" width=\"" + Number(std::max(x1 - x0, 0.5)) +
           "\" height=\"" + std::to_string(height) + "\" fill=\"" + fill + "\"/>\n";
}

// An hour row as its most common status, or no data when that has the most.
std::optional<ServerStatus> Dominant(const HourRow& row) {
    const auto most = std::max_element(row.seconds.begin(), row.seconds.end());
    if (*most == 0 || *most < row.noDataSeconds) return std::nullopt;
    return static_cast<ServerStatus>(most - row.seconds.begin());
}

struct Point {
    HistoryTime start, end;
    std::optional<std::int64_t> users;
    std::optional<ServerStatus> status;  // nullopt: no data
};

// The hours and the spans in time order, as one series.
std::vector<Point> Series(const ServerHistory& server) {
    std::vector<Point> points;
    for (const HourRow& row : server.hours) {
        const auto mean = row.usersMean ? std::optional(static_cast<std::int64_t>(*row.usersMean)) : std::nullopt;
        points.push_back({row.hour, row.hour + hours(1), mean, Dominant(row)});
    }
    for (const Span& span : server.spans) points.push_back({span.start, span.end, span.users, span.status});
    return points;
}

std::string Lane(const ServerHistory& server, std::size_t lane, const Period& period) {
    const int top = Layout::LaneTop(lane);
    std::string out = "<text x=\"" + std::to_string(Layout::kLabelWidth - 8) + "\" y=\"" +
                      std::to_string(top + Layout::kLaneHeight / 2 + 4) + "\" text-anchor=\"end\">" +
                      Escaped(server.key) + "</text>\n";
    // No data unless a span or an hour says otherwise.
    out += Rect(Layout::kLabelWidth, kRight, top, Layout::kLaneHeight, "url(#nodata)");
    const std::vector<Point> points = Series(server);
    std::int64_t most = 1;
    for (const Point& point : points) most = std::max(most, point.users.value_or(0));
    std::string line;
    HistoryTime lineEnd{};  // where the line stops; the epoch: it does not go on

    for (const Point& point : points) {
        if (!point.status) continue;
        const double x0 = Layout::X(period, point.start), x1 = Layout::X(period, point.end);
        const char* fill = Fill(*point.status);
        out += Rect(x0, x1, top, Layout::kLaneHeight, *fill ? fill : "#ffffff");
        if (!point.users) {
            lineEnd = {};
            continue;
        }
        // A gap in the data breaks the line.
        const double y = top + Layout::kLaneHeight - 3 -
                         static_cast<double>(*point.users) / static_cast<double>(most) * (Layout::kLaneHeight - 6);
        line += (lineEnd == point.start && lineEnd != HistoryTime{} ? " L" : " M") + Number(x0) + " " + Number(y) +
                " L" + Number(x1) + " " + Number(y);
        lineEnd = point.end;
    }
    if (!line.empty())
        out += "<path d=\"" + line.substr(1) + "\" fill=\"none\" stroke=\"#1f4e9c\" stroke-width=\"1.5\"/>\n";
    return out + "<rect x=\"" + std::to_string(Layout::kLabelWidth) + "\" y=\"" + std::to_string(top) + "\" width=\"" +
           std::to_string(kRight - Layout::kLabelWidth) + "\" height=\"" + std::to_string(Layout::kLaneHeight) +
           "\" fill=\"none\" stroke=\"#606060\"/>\n";
}

// Every local hour divisible by the step, the step chosen for at most about
// a dozen labels; midnight labels carry the date. Offsets from UTC come in
// quarter hours, so the local hours start on UTC quarter hours.
std::string HourMarks(const Period& period, std::size_t lanes,
                      const std::function<std::string(HistoryTime)>& localTime) {
    const auto span = std::chrono::duration_cast<hours>(period.to - period.from).count();
    int step = 1;
    for (const int candidate : {1, 2, 3, 6, 12, 24, 48, 168, 336, 720})
        if ((step = candidate) * 12 >= span) break;
    const int bottom = Layout::LaneTop(lanes) - Layout::kLaneGap;
    std::string out;
    auto time = std::chrono::floor<minutes>(period.from);
    time += minutes((15 - time.time_since_epoch().count() % 15) % 15);
    int day = 0;
    for (; time < period.to; time += minutes(15)) {
        const std::string local = localTime(time);  // 2026-12-08T10:00:00+09:00
        if (local.substr(14, 2) != "00") continue;
        const int hour = std::stoi(local.substr(11, 2));
        if (step <= 24 ? hour % step != 0 : hour != 0 || day++ % (step / 24) != 0) continue;
        const std::string x = Number(Layout::X(period, time));
        out += "<line x1=\"" + x + "\" y1=\"" + std::to_string(Layout::kTop) + "\" x2=\"" + x + "\" y2=\"" +
               std::to_string(bottom + 4) + "\" stroke=\"#404040\" stroke-opacity=\"0.35\"/>\n";
        out += "<text x=\"" + x + "\" y=\"" + std::to_string(bottom + 18) + "\" text-anchor=\"middle\">" +
               local.substr(11, 5) + "</text>\n";
        if (hour == 0)
            out += "<text x=\"" + x + "\" y=\"" + std::to_string(bottom + 32) + "\" text-anchor=\"middle\">" +
                   local.substr(5, 5) + "</text>\n";
    }
    return out;
}

}  // namespace

double ChartLayout::X(const Period& period, HistoryTime time) {
    const double whole = static_cast<double>((period.to - period.from).count());
    const double at = static_cast<double>((std::clamp(time, period.from, period.to) - period.from).count());
    return kLabelWidth + (whole > 0 ? at / whole : 0) * (kRight - kLabelWidth);
}

std::string HistoryChart(const std::vector<ServerHistory>& servers, const Period& period,
                         const std::function<std::string(HistoryTime)>& localTime) {
    const std::string width = std::to_string(Layout::kWidth), height = std::to_string(Layout::Height(servers.size()));
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      width + "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n<title>Lookout: from " +
                      localTime(period.from).substr(0, 16) + " to " + localTime(period.to).substr(0, 16) +
                      "</title>\n<defs><pattern id=\"nodata\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
                      "<rect width=\"8\" height=\"8\" fill=\"#ffffff\"/><path d=\"M0 8 L8 0\" stroke=\"#c8c8c8\"/>"
                      "</pattern></defs>\n<rect width=\"" +
                      width + "\" height=\"" + height + "\" fill=\"#ffffff\"/>\n";
    for (std::size_t lane = 0; lane < servers.size(); ++lane) out += Lane(servers[lane], lane, period);
    return out + HourMarks(period, servers.size(), localTime) + "</svg>\n";
}

}  // namespace lookout
