#pragma once
// The one repeating timer: the refresh cycle's timer and the socket layer's
// time limits. It fires only while enabled with a positive interval.
// Assigning the interval it already has, or enabling it while enabled, leaves
// the countdown alone; a new interval or going from disabled to enabled
// restarts it from that moment, and Start() restarts it in any case.
#include <cstdint>
#include <functional>

#include "platform/TimerService.h"

namespace lookout {

class TTimer {
public:
    // Intervals above this (about 24.8 days) are held at it.
    static constexpr std::int64_t kMaxInterval = 0x7FFFFFFF;

    explicit TTimer(TimerService& service) : service_(service) {}
    ~TTimer() { Stop(); }
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Milliseconds; 0 or a negative value means the timer never fires.
    std::int64_t Interval() const { return interval_; }
    void SetInterval(std::int64_t milliseconds);
    // Enables the timer and starts its countdown afresh, even while it runs.
    void Start();

    std::function<void()> OnTimer;

private:
    void Restart();
    void Stop();
    void Fire();

    TimerService& service_;
    bool enabled_ = false;
    std::int64_t interval_ = 1000;
    TimerService::TimerId pending_ = 0;
};

}  // namespace lookout
