#include "toolkit/FltkPump.h"

#include <FL/Fl.H>
#include <poll.h>

#include <algorithm>

namespace lookout {

FltkPump::~FltkPump() {
    for (auto& [id, timer] : timers_) Fl::remove_timeout(&FltkPump::OnTimeout, timer.get());
    for (auto& [fd, w] : watchers_) Fl::remove_fd(fd);
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

void FltkPump::Watch(int fd, unsigned wanted, std::function<void(unsigned ready)> onReady) {
    // FLTK only ever widens the events of a known descriptor, so a changed
    // set is registered afresh.
    if (watchers_.count(fd)) Fl::remove_fd(fd);
    int when = 0;
    if (wanted & kReadable) when |= FL_READ;
    if (wanted & kWritable) when |= FL_WRITE;
    watchers_[fd] = Watcher{wanted, std::make_shared<std::function<void(unsigned)>>(std::move(onReady))};
    Fl::add_fd(fd, when, &FltkPump::OnFd, this);
}

void FltkPump::Unwatch(int fd) {
    if (watchers_.erase(fd)) Fl::remove_fd(fd);
}

void FltkPump::OnFd(int fd, void* data) {
    auto* pump = static_cast<FltkPump*>(data);
    auto it = pump->watchers_.find(fd);
    if (it == pump->watchers_.end()) return;
    // FLTK does not say which condition woke it; ask the descriptor.
    pollfd p{fd, 0, 0};
    if (it->second.wanted & kReadable) p.events |= POLLIN;
    if (it->second.wanted & kWritable) p.events |= POLLOUT;
    if (::poll(&p, 1, 0) <= 0) return;
    unsigned ready = 0;
    if (p.revents & (POLLIN | POLLERR | POLLHUP)) ready |= kReadable;
    if (p.revents & (POLLOUT | POLLERR | POLLHUP)) ready |= kWritable;
    ready &= it->second.wanted;
    if (ready == 0) return;
    auto onReady = it->second.onReady;
    (*onReady)(ready);
    pump->dispatched_ = true;
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
