#include "platform/Timer.h"

#include <algorithm>

namespace lookout {

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Restart();
}

void TTimer::SetInterval(std::int64_t milliseconds) {
    milliseconds = std::min(milliseconds, kMaxInterval);
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Restart();
}

void TTimer::Start() {
    enabled_ = true;
    Restart();
}

void TTimer::Stop() {
    if (pending_ != 0) service_.StopTimer(pending_);
    pending_ = 0;
}

void TTimer::Restart() {
    Stop();
    if (enabled_ && interval_ > 0)
        pending_ = service_.StartTimer(std::chrono::milliseconds(interval_), [this] { Fire(); });
}

void TTimer::Fire() {
    pending_ = 0;
    // The next countdown starts now, before the handler runs: a handler that
    // waits does not delay the ticks, and one that changes the timer wins.
    Restart();
    // A copy: the handler may replace OnTimer while it runs.
    if (auto onTimer = OnTimer) onTimer();
}

}  // namespace lookout
