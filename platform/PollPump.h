#pragma once
// The headless Pump: poll(2) (WSAPoll on Windows) over the watched sockets,
// with its own one-shot timers. Single-threaded; every callback runs from
// WaitOnce.
#include <chrono>
#include <map>
#include <memory>
#include <unordered_map>

#include "platform/Pump.h"

namespace lookout {

class PollPump : public Pump {
public:
    PollPump() = default;
    PollPump(const PollPump&) = delete;
    PollPump& operator=(const PollPump&) = delete;

    TimerId StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) override;
    void StopTimer(TimerId id) override;
    void Watch(SocketHandle fd, unsigned wanted, std::function<void(unsigned ready)> onReady) override;
    void Unwatch(SocketHandle fd) override;
    // Raises std::logic_error when nothing is watched and no timer runs: such
    // a wait could never end.
    void WaitOnce() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Watcher {
        unsigned wanted;
        std::uint64_t serial;  // tells a replaced registration from the one polled
        std::shared_ptr<std::function<void(unsigned)>> onReady;
    };
    bool DispatchReady(int timeoutMs);
    bool DispatchDueTimers();

    std::unordered_map<SocketHandle, Watcher> watchers_;
    std::uint64_t nextSerial_ = 1;
    std::map<std::pair<Clock::time_point, TimerId>, std::function<void()>> timers_;
    std::unordered_map<TimerId, Clock::time_point> deadlines_;
    TimerId nextTimer_ = 1;
};

}  // namespace lookout
