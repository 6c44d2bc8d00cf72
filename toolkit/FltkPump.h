#pragma once
// The program's Pump: waits in FLTK's own loop, so a socket wait keeps the
// windows painted and their timers and buttons alive. Timers are FLTK
// timeouts: exact one-shots, stoppable at any time, even from inside their
// own callback. One instance, created after FLTK is set up and destroyed
// after every client of it.
#include <memory>
#include <unordered_map>

#include "platform/Pump.h"
#include "toolkit/FltkSockets.h"

namespace lookout {

class FltkPump : public Pump {
public:
    FltkPump();
    ~FltkPump() override;
    FltkPump(const FltkPump&) = delete;
    FltkPump& operator=(const FltkPump&) = delete;

    TimerId StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) override;
    void StopTimer(TimerId id) override;
    SocketWatch Watch(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady) override;
    void WaitOnce() override;

private:
    using Clock = std::chrono::steady_clock;
    struct Timer {
        FltkPump* pump;
        TimerId id;
        Clock::time_point due;
        std::function<void()> onFire;
    };
    static void OnTimeout(void* data);
    double SecondsToNextTimer() const;

    std::unordered_map<TimerId, std::unique_ptr<Timer>> timers_;
    TimerId nextTimer_ = 1;
    bool dispatched_ = false;  // a timer or socket callback ran
    std::unique_ptr<FltkSockets> sockets_;
};

}  // namespace lookout
