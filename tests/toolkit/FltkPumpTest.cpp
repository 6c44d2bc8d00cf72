// The program's pump over FLTK's loop (needs an X display).
#include "toolkit/FltkPump.h"

#include <gtest/gtest.h>
// After gtest: X11 defines None and Bool as macros.
#include <FL/Fl.H>
#include <FL/x.H>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

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
    int fd[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fd), 0);
    std::vector<unsigned> seen;
    pump.Watch(fd[0], kReadable, [&](unsigned ready) {
        seen.push_back(ready);
        char c;
        ASSERT_EQ(::read(fd[0], &c, 1), 1);
        pump.Watch(fd[0], kWritable, [&](unsigned ready2) {  // narrowed from inside
            seen.push_back(ready2);
            pump.Unwatch(fd[0]);
        });
    });
    pump.StartTimer(milliseconds(5), [&] { ASSERT_EQ(::write(fd[1], "x", 1), 1); });
    while (seen.size() < 2) pump.WaitOnce();
    EXPECT_EQ(seen, (std::vector<unsigned>{kReadable, kWritable}));
    ::close(fd[0]);
    ::close(fd[1]);
}

}  // namespace
}  // namespace lookout
