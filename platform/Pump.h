#pragma once
// The one way the network layer waits: sleep until a watched socket is ready,
// a timer is due or (in the program) a GUI event arrives, then dispatch what
// is pending. A wait therefore costs no CPU and the window stays alive.
#include <functional>

#include "platform/SocketHandle.h"
#include "platform/SocketWatch.h"
#include "platform/TimerService.h"

namespace lookout {

enum ReadyFlags : unsigned { kReadable = 1u, kWritable = 2u };

class Pump : public TimerService {
public:
    // Calls onReady(flags that are ready) from the loop while the socket is
    // ready for any of `wanted`, until the watch returned ends. A second
    // Watch of the same socket replaces the first.
    virtual SocketWatch Watch(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady) = 0;
    // Blocks until at least one event (readiness, timer, GUI event) has been
    // dispatched. Never returns without having waited for something.
    virtual void WaitOnce() = 0;
};

}  // namespace lookout
