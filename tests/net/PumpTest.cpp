// The headless pump and the time-out timer on it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "platform/PollPump.h"
#include "tests/net/LoopbackServers.h"

namespace lookout {
namespace {

using std::chrono::milliseconds;

TEST(PollPump, TimersFireOnceInDeadlineOrderAndStopFromCallbacks) {
    PollPump pump;
    std::vector<int> fired;
    TimerService::TimerId third = 0;
    TimerService::TimerId self = 0;
    // Deadlines far apart, so that a slow (sanitized, loaded) start-up cannot
    // reorder them.
    pump.StartTimer(milliseconds(40), [&] { fired.push_back(2); });
    self = pump.StartTimer(milliseconds(1), [&] {
        fired.push_back(1);
        pump.StopTimer(self);  // already fired: ignored
        pump.StopTimer(third);
    });
    third = pump.StartTimer(milliseconds(60), [&] { fired.push_back(3); });
    pump.StartTimer(milliseconds(80), [&] { fired.push_back(4); });
    while (fired.size() < 3) pump.WaitOnce();
    EXPECT_EQ(fired, (std::vector<int>{1, 2, 4}));
    EXPECT_THROW(pump.WaitOnce(), std::logic_error);  // nothing left that could end a wait
}

TEST(PollPump, ReadinessAndRegistrationsChangedDuringDispatch) {
    PollPump pump;
    test::ConnectedPair a, b;
    ASSERT_EQ(::send(a.end[1], "x", 1, 0), 1);
    ASSERT_EQ(::send(b.end[1], "y", 1, 0), 1);
    std::vector<int> calls;
    SocketWatch watchA, watchB;
    // Whichever runs first ends both watches: the other must not be called.
    watchA = pump.Watch(a.end[0], kReadable, [&](unsigned ready) {
        EXPECT_EQ(ready, kReadable);
        calls.push_back(0);
        watchA = SocketWatch();
        watchB = SocketWatch();
    });
    watchB = pump.Watch(b.end[0], kReadable | kWritable, [&](unsigned ready) {
        EXPECT_EQ(ready, kReadable | kWritable);
        calls.push_back(1);
        watchA = SocketWatch();
        watchB = SocketWatch();
    });
    pump.WaitOnce();
    EXPECT_EQ(calls.size(), 1u);

    // A watch only for writability is not woken by readable data, and the end
    // of the watch it replaced leaves it in place.
    int writable = 0;
    watchA = pump.Watch(a.end[0], kReadable, [&](unsigned) { ADD_FAILURE() << "a replaced watch was called"; });
    watchB = pump.Watch(a.end[0], kWritable, [&](unsigned ready) {
        EXPECT_EQ(ready, kWritable);
        ++writable;
        watchB = SocketWatch();
    });
    watchA = SocketWatch();
    pump.WaitOnce();
    EXPECT_EQ(writable, 1);
}

}  // namespace
}  // namespace lookout
