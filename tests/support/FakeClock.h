#pragma once
// A TimerService driven by hand: time moves only when the test advances it.
#include <chrono>
#include <map>
#include <utility>

#include "platform/TimerService.h"

namespace lookout::test {

class FakeClock : public TimerService {
public:
    using ms = std::chrono::milliseconds;

    TimerId StartTimer(ms delay, std::function<void()> onFire) override {
        const TimerId id = ++lastId_;
        timers_.emplace(std::make_pair(now_ + delay, id), std::move(onFire));
        return id;
    }
    void StopTimer(TimerId id) override {
        std::erase_if(timers_, [id](const auto& entry) { return entry.first.second == id; });
    }

    // Fires, in time order, every timer due up to now + step.
    void Advance(ms step) {
        const ms end = now_ + step;
        while (!timers_.empty() && timers_.begin()->first.first <= end) {
            auto node = timers_.extract(timers_.begin());
            now_ = node.key().first;
            node.mapped()();
        }
        now_ = end;
    }
    ms Now() const { return now_; }
    std::size_t Pending() const { return timers_.size(); }

private:
    ms now_{0};
    TimerId lastId_ = 0;
    std::map<std::pair<ms, TimerId>, std::function<void()>> timers_;
};

}  // namespace lookout::test
