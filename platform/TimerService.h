#pragma once
// One-shot timers, the one thing both the refresh timer and the network
// layer's time limits need from the event loop. The program serves them from
// FLTK, the tests from a headless loop or a hand-driven clock.
#include <chrono>
#include <cstdint>
#include <functional>

namespace lookout {

class TimerService {
public:
    using TimerId = std::uint64_t;  // 0 is never a live timer
    virtual ~TimerService() = default;

    // Calls onFire once, from the event loop, after delay.
    virtual TimerId StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) = 0;
    // Stops a pending timer; an id that already fired or was stopped is ignored.
    virtual void StopTimer(TimerId id) = 0;
};

}  // namespace lookout
