#include "net/ThreadTimer.h"

namespace lookout {

void TThreadTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Rearm();
}

void TThreadTimer::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    Rearm();
}

void TThreadTimer::SetOnTimer(std::function<void(TThreadTimer&)> onTimer) {
    onTimer_ = std::move(onTimer);
    Rearm();
}

void TThreadTimer::Disarm() {
    if (pending_ != 0) timers_.StopTimer(pending_);
    pending_ = 0;
}

void TThreadTimer::Rearm() {
    Disarm();
    if (enabled_ && interval_ > 0 && onTimer_)
        pending_ = timers_.StartTimer(std::chrono::milliseconds(interval_), [this] { Fire(); });
}

void TThreadTimer::Fire() {
    pending_ = 0;
    Rearm();  // the next period runs while the handler does
    auto onTimer = onTimer_;
    onTimer(*this);
}

}  // namespace lookout
