#pragma once
// SIGINT and SIGTERM as a readable socket: the handler only writes the
// signal's number into a non-blocking pair of connected sockets (a pipe of
// the kind WSAPoll, too, waits for), so a loop reacts from its own wait, also
// in the middle of a fetch, never inside a system call. Given a pump, the
// pipe is watched there and onSignal runs from the loop. One instance at a
// time; the previous handlers come back with its end. On Windows the
// console's Ctrl+C and Ctrl+Break count as SIGINT (its other events keep
// their default).
#include <functional>

#include "platform/Pump.h"
#include "platform/SocketHandle.h"

namespace lookout {

class SignalPipe {
public:
    // For a loop of its own, which polls Fd().
    SignalPipe();
    SignalPipe(Pump& pump, std::function<void(int signal)> onSignal);
    ~SignalPipe();
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;

    // Readable once a signal has arrived.
    SocketHandle Fd() const { return fds_[0]; }
    // The first signal that arrived, 0 before any (as the pump's watch saw it).
    int Received() const { return received_; }

private:
    void Drain();

    SocketWatch watch_;
    std::function<void(int)> onSignal_;
    SocketHandle fds_[2] = {kNoSocket, kNoSocket};
    int received_ = 0;
};

// Ends the process the way the signal itself would have, so the shell sees it
// (on Windows: as a process ended by Ctrl+C).
[[noreturn]] void DieOfSignal(int signal);

}  // namespace lookout
