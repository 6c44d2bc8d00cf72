// The history's SVG chart as Debian's rsvg-convert draws it: pixels read back
// show each span's shade in its own lane and at its own time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "history/HistoryChart.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

using std::chrono::hours;
using std::chrono::minutes;

// Local time nine hours east of UTC.
std::string Tokyo(HistoryTime time) {
    const auto local = std::chrono::floor<std::chrono::seconds>(time) + hours(9);
    const auto day = std::chrono::floor<std::chrono::days>(local);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss clock(local - day);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ld+09:00", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), long(clock.hours().count()), long(clock.minutes().count()),
                  long(clock.seconds().count()));
    return text;
}

TEST(Chart, RsvgConvertShowsEachSpanInItsLaneAndTime) {
    ASSERT_EQ(access("/usr/bin/rsvg-convert", X_OK), 0) << "./run test installs the package librsvg2-bin";
    ASSERT_EQ(access("/usr/bin/convert", X_OK), 0) << "./run test installs the package imagemagick";
    const HistoryTime from = std::chrono::floor<hours>(HistoryTime(std::chrono::days(20000)));
    const Period period{from, from + hours(12)};
    const auto at = [&](double hour) { return from + minutes(static_cast<int>(hour * 60)); };
    const auto span = [&](double start, double end, ServerStatus status, std::int64_t users) {
        return Span{at(start), at(end), status, std::nullopt, users, 5000};
    };
    std::vector<ServerHistory> servers(2);
    servers[0].key = "GameServer01";
    servers[0].spans = {span(0, 12, ServerStatus::Good, 3000)};
    servers[1].key = "GameServer02";
    // Down from 3 to 6, no data from 8 to 9, Closed from 9 to 10.
    servers[1].spans = {span(0, 3, ServerStatus::Good, 4000), span(3, 6, ServerStatus::Down, 0),
                        span(6, 8, ServerStatus::Good, 2000), span(9, 10, ServerStatus::Closed, 0),
                        span(10, 12, ServerStatus::Good, 100)};
    const std::string svg = HistoryChart(servers, period, Tokyo);
    EXPECT_NE(svg.find(">10:00</text>"), std::string::npos) << "the first hour mark, local time";

    test::TempDir dir("lookout-chart");
    const std::string base = (dir.Path() / "chart").string();
    std::ofstream(base + ".svg") << svg;
    ASSERT_EQ(std::system(("/usr/bin/rsvg-convert -o " + base + ".png " + base + ".svg").c_str()), 0);
    ASSERT_EQ(std::system(("/usr/bin/convert " + base + ".png -alpha off -depth 8 rgb:" + base + ".rgb").c_str()), 0);
    std::ifstream in(base + ".rgb", std::ios::binary);
    const std::string rgb((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const int width = ChartLayout::kWidth;
    ASSERT_EQ(rgb.size(), std::size_t(width) * ChartLayout::Height(2) * 3);
    const auto pixel = [&](int x, int y) {
        const auto* p = reinterpret_cast<const unsigned char*>(rgb.data()) + (std::size_t(y) * width + x) * 3;
        return std::array<int, 3>{p[0], p[1], p[2]};
    };
    enum Shade { White, Red, Grey, Hatched };
    const auto shadeAt = [&](std::size_t lane, double hour) {
        const int x = int(ChartLayout::X(period, at(hour))),
                  y = ChartLayout::LaneTop(lane) + 8;  // above the users lines here
        const auto [r, g, b] = pixel(x, y);
        if (r > 180 && g < 90 && b < 90) return Red;
        if (r > 140 && r < 175 && g > 140 && g < 175 && b > 140 && b < 175) return Grey;
        // The hatch: white with some light grey strokes in any 8 by 8 block.
        int stroked = 0;
        for (int dy = 0; dy < 8; ++dy)
            for (int dx = 0; dx < 8; ++dx) stroked += pixel(x + dx, y + dy)[0] < 240;
        return stroked > 0 && stroked < 40 ? Hatched : White;
    };
    const struct {
        std::size_t lane;
        double hour;
        Shade shade;
    } cases[] = {
        // Between the hour marks, whose lines are grey too.
        {0, 1.5, White}, {0, 4.5, White}, {0, 8.5, White},   {1, 1.5, White}, {1, 3.2, Red},    {1, 4.5, Red},
        {1, 5.8, Red},   {1, 6.5, White}, {1, 8.5, Hatched}, {1, 9.5, Grey},  {1, 11.5, White},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("lane " + std::to_string(c.lane) + " hour " + std::to_string(c.hour));
        EXPECT_EQ(shadeAt(c.lane, c.hour), c.shade);
    }
}

}  // namespace
}  // namespace lookout
