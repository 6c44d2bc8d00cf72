#pragma once
// The pump's readiness flags as poll(2) events, both ways, for every pump
// that asks poll (or WSAPoll) about its sockets.
#include "platform/Pump.h"
#include "platform/Socket.h"

namespace lookout {

inline short PollEventsFor(unsigned wanted) {
    short events = 0;
    if (wanted & kReadable) events |= POLLIN;
    if (wanted & kWritable) events |= POLLOUT;
    return events;
}

// Errors and hang-ups count as both, so the owner's own read or write learns
// what happened (a refused connect shows only so on Windows). Limited to what
// the watch wants.
inline unsigned ReadyFromPoll(short revents, unsigned wanted) {
    unsigned ready = 0;
    if (revents & (POLLIN | POLLERR | POLLHUP)) ready |= kReadable;
    if (revents & (POLLOUT | POLLERR | POLLHUP)) ready |= kWritable;
    return ready & wanted;
}

}  // namespace lookout
