#pragma once
// The headless Pump: poll(2) (WSAPoll on Windows) over the watched sockets,
// with its own one-shot timers. Single-threaded; every callback runs from
// WaitOnce.
#include <chrono>
#include <map>
#include <unordered_map>

#include "platform/Pump.h"
#include "platform/SocketWatches.h"

namespace lookout {

class PollPump : public Pump {
public:
    PollPump() = default;
    PollPump(const PollPump&) = delete;
    PollPump& operator=(const PollPump&) = delete;

    TimerId StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) override;
    void StopTimer(TimerId id) override;
    SocketWatch Watch(SocketHandle fd, unsigned wanted, std::function<void(unsigned ready)> onReady) override;
    // Raises std::logic_error when nothing is watched and no timer runs: such
    // a wait could never end.
    void WaitOnce() override;

private:
    using Clock = std::chrono::steady_clock;
    bool DispatchReady(int timeoutMs);
    bool DispatchDueTimers();

    SocketWatches watches_;
    std::map<std::pair<Clock::time_point, TimerId>, std::function<void()>> timers_;
    std::unordered_map<TimerId, Clock::time_point> deadlines_;
    TimerId nextTimer_ = 1;
};

}  // namespace lookout
