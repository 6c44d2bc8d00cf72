// The program's pump over FLTK's loop (needs an X display).
#include "toolkit/FltkPump.h"

#include <gtest/gtest.h>
// After gtest: X11 defines None and Bool as macros.
#include <FL/Fl.H>
#include <FL/x.H>

#include <vector>

#include "tests/net/LoopbackServers.h"

namespace lookout {
namespace {

using std::chrono::milliseconds;

TEST(FltkPump, TimersAreStoppableOneShots) {
    fl_open_display();
    FltkPump pump;
    std::vector<int> fired;
    TimerService::TimerId self = 0, victim = 0;
    self = pump.StartTimer(milliseconds(1), [&] {
        fired.push_back(1);
        pump.StopTimer(self);
        pump.StopTimer(victim);
    });
    victim = pump.StartTimer(milliseconds(30), [&] { fired.push_back(2); });
    pump.StartTimer(milliseconds(60), [&] { fired.push_back(3); });
    while (fired.size() < 2) pump.WaitOnce();
    EXPECT_EQ(fired, (std::vector<int>{1, 3}));
}

TEST(FltkPump, WakesOnReadinessAndTellsWhichKind) {
    fl_open_display();
    FltkPump pump;
    test::ConnectedPair pair;
    const SocketHandle mine = pair.end[0];
    std::vector<unsigned> seen;
    SocketWatch watch;
    watch = pump.Watch(mine, kReadable, [&](unsigned ready) {
        seen.push_back(ready);
        char c;
        ASSERT_EQ(::recv(mine, &c, 1, 0), 1);
        watch = pump.Watch(mine, kWritable, [&](unsigned ready2) {  // narrowed from inside
            seen.push_back(ready2);
            watch = SocketWatch();
        });
    });
    pump.StartTimer(milliseconds(5), [&] { ASSERT_EQ(::send(pair.end[1], "x", 1, 0), 1); });
    while (seen.size() < 2) pump.WaitOnce();
    EXPECT_EQ(seen, (std::vector<unsigned>{kReadable, kWritable}));
}

}  // namespace
}  // namespace lookout
