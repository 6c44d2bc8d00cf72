#include "toolkit/FltkPump.h"

#include <FL/Fl.H>

#include <algorithm>

namespace lookout {

FltkPump::FltkPump() : sockets_(FltkSockets::Make([this] { dispatched_ = true; })) {}

FltkPump::~FltkPump() {
    for (auto& [id, timer] : timers_) Fl::remove_timeout(&FltkPump::OnTimeout, timer.get());
}

TimerService::TimerId FltkPump::StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) {
    const TimerId id = nextTimer_++;
    auto timer = std::make_unique<Timer>(Timer{this, id, Clock::now() + delay, std::move(onFire)});
    Fl::add_timeout(static_cast<double>(delay.count()) / 1000.0, &FltkPump::OnTimeout, timer.get());
    timers_.emplace(id, std::move(timer));
    return id;
}

void FltkPump::StopTimer(TimerId id) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    Fl::remove_timeout(&FltkPump::OnTimeout, it->second.get());
    timers_.erase(it);
}

void FltkPump::OnTimeout(void* data) {
    // FLTK has already dropped this timeout; the node goes before the call so
    // that a StopTimer from inside the callback finds nothing to stop.
    auto* timer = static_cast<Timer*>(data);
    FltkPump* pump = timer->pump;
    auto it = pump->timers_.find(timer->id);
    if (it == pump->timers_.end()) return;
    std::unique_ptr<Timer> owned = std::move(it->second);
    pump->timers_.erase(it);
    owned->onFire();
    pump->dispatched_ = true;  // after the call: a nested WaitOnce clears it
}

SocketWatch FltkPump::Watch(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady) {
    return sockets_->Watch(socket, wanted, std::move(onReady));
}

double FltkPump::SecondsToNextTimer() const {
    if (timers_.empty()) return 1e20;
    auto next = Clock::time_point::max();
    for (const auto& [id, timer] : timers_) next = std::min(next, timer->due);
    const double seconds = std::chrono::duration<double>(next - Clock::now()).count();
    // FLTK's clock and ours differ a little: waiting at least a millisecond
    // keeps a timer that FLTK does not yet see as due from spinning the loop.
    return std::max(seconds, 0.001);
}

void FltkPump::WaitOnce() {
    // Fl::wait() without a time returns at once while no window is shown,
    // and Fl::wait(time) runs due timeouts first and then goes on waiting
    // for the whole time: so the wait is cut at our next timer, and repeated
    // until an event, a descriptor or one of our timers has been handled.
    dispatched_ = false;
    for (;;) {
        const double handled = Fl::wait(SecondsToNextTimer());
        if (handled > 0 || dispatched_) return;
    }
}

}  // namespace lookout
