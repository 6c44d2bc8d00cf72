#pragma once
// The socket layer's time-out timer: a repeating timer that runs on the
// event loop's thread while it is enabled, has an interval and a handler.
#include <chrono>
#include <functional>

#include "platform/TimerService.h"

namespace lookout {

class TThreadTimer {
public:
    explicit TThreadTimer(TimerService& timers) : timers_(timers) {}
    ~TThreadTimer() { Disarm(); }
    TThreadTimer(const TThreadTimer&) = delete;
    TThreadTimer& operator=(const TThreadTimer&) = delete;

    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    void SetEnabled(bool enabled);
    void SetInterval(int milliseconds);
    void SetOnTimer(std::function<void(TThreadTimer&)> onTimer);

private:
    // Every change starts the period afresh, as a window timer set again does.
    void Rearm();
    void Disarm();
    void Fire();

    TimerService& timers_;
    bool enabled_ = true;
    int interval_ = 1000;
    std::function<void(TThreadTimer&)> onTimer_;
    TimerService::TimerId pending_ = 0;
};

}  // namespace lookout
