#pragma once
// The history as one SVG picture, written by hand so that it is the same on
// every system: a lane per server, its users as a line against time, Down and
// Dead shaded red, Closed grey, time without data hatched, and labelled hour
// marks in local time.
#include <functional>
#include <string>
#include <vector>

#include "history/HistoryQuery.h"

namespace lookout {

struct ChartLayout {
    static constexpr int kWidth = 1200;
    static constexpr int kLabelWidth = 130;  // the server keys, left of the lanes
    static constexpr int kTop = 10;
    static constexpr int kLaneHeight = 48;
    static constexpr int kLaneGap = 6;
    static constexpr int kAxisHeight = 36;  // the hour labels, under the lanes
    static int Height(std::size_t lanes) {
        return kTop + static_cast<int>(lanes) * (kLaneHeight + kLaneGap) + kAxisHeight;
    }
    // The lane's top edge, and where a time of the period falls.
    static int LaneTop(std::size_t lane) { return kTop + static_cast<int>(lane) * (kLaneHeight + kLaneGap); }
    static double X(const Period& period, HistoryTime time);
};

// localTime gives a time as local ISO 8601 ("2026-12-08T10:00:00+09:00"),
// where the hour marks and their labels come from.
std::string HistoryChart(const std::vector<ServerHistory>& servers, const Period& period,
                         const std::function<std::string(HistoryTime)>& localTime);

}  // namespace lookout
