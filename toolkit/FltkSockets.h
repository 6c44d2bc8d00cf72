#pragma once
// How FLTK's loop learns that a watched socket is ready, for FltkPump: by
// Fl::add_fd on POSIX systems. On Windows FLTK polls such sockets every
// millisecond, so there a thread of ours waits in WSAPoll and wakes the loop
// with Fl::awake. Either way onReady runs on the GUI thread, from Fl::wait.
#include <functional>
#include <memory>

#include "platform/SocketHandle.h"
#include "platform/SocketWatch.h"

namespace lookout {

class FltkSockets {
public:
    // afterDispatch runs after each onReady call.
    static std::unique_ptr<FltkSockets> Make(std::function<void()> afterDispatch);
    virtual ~FltkSockets() = default;

    // As Pump::Watch.
    virtual SocketWatch Watch(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady) = 0;
};

}  // namespace lookout
