#include "platform/Timer.h"

#include <gtest/gtest.h>

#include "tests/support/FakeClock.h"

namespace lookout {
namespace {

using test::FakeClock;
using ms = std::chrono::milliseconds;

struct TimerFixture : ::testing::Test {
    FakeClock clock;
    TTimer timer{clock};
    std::vector<ms> ticks;
    void SetUp() override {
        timer.OnTimer = [this] { ticks.push_back(clock.Now()); };
    }
};

TEST_F(TimerFixture, StartsDisabledAndFiresOnlyWhenEnabledWithAnInterval) {
    EXPECT_FALSE(timer.Enabled());
    clock.Advance(ms(5000));
    EXPECT_TRUE(ticks.empty());
    timer.SetInterval(1000);
    clock.Advance(ms(5000));
    EXPECT_TRUE(ticks.empty());
    timer.SetEnabled(true);
    clock.Advance(ms(3500));
    EXPECT_EQ(ticks, (std::vector<ms>{ms(11000), ms(12000), ms(13000)}));
}

TEST_F(TimerFixture, ZeroAndNegativeIntervalsNeverFire) {
    timer.SetEnabled(true);
    for (std::int64_t interval : {0LL, -1LL, -120000LL}) {
        timer.SetInterval(interval);
        clock.Advance(ms(1000000));
    }
    EXPECT_TRUE(ticks.empty());
    EXPECT_EQ(clock.Pending(), 0u);
}

TEST_F(TimerFixture, SameIntervalOrReEnablingKeepsTheCountdown) {
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    clock.Advance(ms(600));
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    clock.Advance(ms(400));
    EXPECT_EQ(ticks, (std::vector<ms>{ms(1000)}));
}

TEST_F(TimerFixture, NewIntervalOrDisableEnableRestartsTheCountdown) {
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    clock.Advance(ms(600));
    timer.SetInterval(2000);  // restarts at 600
    clock.Advance(ms(2000));
    EXPECT_EQ(ticks, (std::vector<ms>{ms(2600)}));
    clock.Advance(ms(1500));  // now 4100, next due 4600
    timer.SetEnabled(false);
    timer.SetEnabled(true);   // restarts at 4100
    clock.Advance(ms(2500));
    EXPECT_EQ(ticks, (std::vector<ms>{ms(2600), ms(6100)}));
}

TEST_F(TimerFixture, HandlerThatRestartsTheTimerWins) {
    // What Reload does from inside a tick: disable, refresh, enable.
    timer.OnTimer = [this] {
        ticks.push_back(clock.Now());
        timer.SetEnabled(false);
        clock.Advance(ms(300));  // the refresh takes a while
        timer.SetEnabled(true);
    };
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    clock.Advance(ms(2700));
    EXPECT_EQ(ticks, (std::vector<ms>{ms(1000), ms(2300)}));
}

TEST_F(TimerFixture, StartRestartsEvenARunningCountdown) {
    // The socket layer's limits: every byte moved starts the period again.
    timer.SetInterval(1000);
    timer.Start();
    clock.Advance(ms(600));
    timer.Start();
    clock.Advance(ms(900));
    EXPECT_TRUE(ticks.empty());
    clock.Advance(ms(100));
    EXPECT_EQ(ticks, (std::vector<ms>{ms(1600)}));
    // A handler that stops its own timer leaves nothing pending.
    timer.OnTimer = [this] { timer.SetEnabled(false); };
    clock.Advance(ms(1000));
    EXPECT_EQ(clock.Pending(), 0u);
}

TEST_F(TimerFixture, HugeIntervalsAreHeldAtTheLimit) {
    timer.SetInterval(std::int64_t{2147484} * 1000);  // seconds * 1000 beyond 32 bits
    EXPECT_EQ(timer.Interval(), TTimer::kMaxInterval);
    timer.SetEnabled(true);
    clock.Advance(ms(TTimer::kMaxInterval - 1));
    EXPECT_TRUE(ticks.empty());
    clock.Advance(ms(1));
    EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(TimerFixture, DestroyedTimerLeavesNothingPending) {
    {
        TTimer other(clock);
        other.SetInterval(10);
        other.SetEnabled(true);
        EXPECT_EQ(clock.Pending(), 1u);
    }
    EXPECT_EQ(clock.Pending(), 0u);
}

}  // namespace
}  // namespace lookout
