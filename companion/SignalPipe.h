#pragma once
// SIGINT and SIGTERM as pump events: the handler only writes the signal's
// number into a pipe the pump watches, so the reaction runs from the loop,
// also in the middle of a fetch. One instance at a time.
#include <functional>

#include "platform/Pump.h"

namespace lookout {

class SignalPipe {
public:
    SignalPipe(Pump& pump, std::function<void(int signal)> onSignal);
    ~SignalPipe();  // restores the previous handlers
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    // The first signal that arrived, 0 before any.
    int Received() const { return received_; }

private:
    Pump& pump_;
    std::function<void(int)> onSignal_;
    int fds_[2] = {-1, -1};
    int received_ = 0;
};

// Ends the process the way the signal itself would have, so the shell sees it.
[[noreturn]] void DieOfSignal(int signal);

}  // namespace lookout
