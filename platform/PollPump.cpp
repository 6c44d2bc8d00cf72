#include "platform/PollPump.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "platform/Socket.h"

namespace lookout {

TimerService::TimerId PollPump::StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) {
    const TimerId id = nextTimer_++;
    const auto due = Clock::now() + delay;
    timers_.emplace(std::make_pair(due, id), std::move(onFire));
    deadlines_.emplace(id, due);
    return id;
}

void PollPump::StopTimer(TimerId id) {
    auto it = deadlines_.find(id);
    if (it == deadlines_.end()) return;
    timers_.erase(std::make_pair(it->second, id));
    deadlines_.erase(it);
}

SocketWatch PollPump::Watch(SocketHandle fd, unsigned wanted, std::function<void(unsigned ready)> onReady) {
    return watches_.Add(fd, wanted, std::move(onReady));
}

void PollPump::WaitOnce() {
    for (;;) {
        int timeoutMs = -1;
        if (!timers_.empty()) {
            const auto left = timers_.begin()->first.first - Clock::now();
            // Rounded up, so that a timer is never polled for before it is due.
            const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
            timeoutMs = ms < 0 ? 0 : static_cast<int>(std::min<long long>(ms, 1 << 30));
        } else if (watches_.Empty()) {
            throw std::logic_error("PollPump::WaitOnce with nothing to wait for");
        }
        const bool fdsDispatched = DispatchReady(timeoutMs);
        const bool timersDispatched = DispatchDueTimers();
        if (fdsDispatched || timersDispatched) return;
    }
}

bool PollPump::DispatchReady(int timeoutMs) {
    std::vector<PollEntry> fds;
    std::vector<std::uint64_t> serials;
    watches_.List(fds, serials);
    const int n = PollSockets(fds.data(), fds.size(), timeoutMs);
    if (n < 0) {
        const int error = LastSocketError();
        if (error == kInterrupted) return false;
        throw std::system_error(error, std::generic_category(), "poll");
    }
    bool dispatched = false;
    for (std::size_t i = 0; i < fds.size() && n > 0; ++i) {
        // A callback may have ended or replaced any watch meanwhile.
        if (fds[i].revents != 0 && watches_.Dispatch(fds[i].fd, serials[i], fds[i].revents)) dispatched = true;
    }
    return dispatched;
}

bool PollPump::DispatchDueTimers() {
    const auto now = Clock::now();
    std::vector<TimerId> due;
    for (const auto& [key, fn] : timers_) {
        if (key.first > now) break;
        due.push_back(key.second);
    }
    for (TimerId id : due) {
        auto it = deadlines_.find(id);
        if (it == deadlines_.end()) continue;  // stopped by an earlier callback
        auto node = timers_.extract(std::make_pair(it->second, id));
        deadlines_.erase(it);
        node.mapped()();
    }
    return !due.empty();
}

}  // namespace lookout
