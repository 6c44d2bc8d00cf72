#pragma once
// One client connection of the service: read the request head, answer it as
// told, close. Non-blocking; the owner's poll loop drives it.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "demo/PageRoutes.h"
#include "demo/ReplyStream.h"
#include "platform/HttpRequest.h"
#include "platform/Socket.h"

namespace lookout::demo {

using Clock = std::chrono::steady_clock;

class Connection {
public:
    using Router = std::function<Answer(const Request&)>;

    Connection(SocketHandle fd, Clock::time_point now);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    SocketHandle Fd() const { return fd_; }
    // The poll events to wait for now (0: only the deadline matters).
    short Events(Clock::time_point now) const;
    // When the connection next needs a Step even without readiness.
    std::optional<Clock::time_point> Deadline(Clock::time_point now) const;
    // Handles readiness `revents` (0 when woken by the deadline); false once
    // the connection is finished and should be destroyed.
    bool Step(short revents, Clock::time_point now, const Router& route);

private:
    enum class State { Reading, Sending, Silent, Draining };

    bool ReadRequest(Clock::time_point now, const Router& route);
    bool Send(Clock::time_point now);

    SocketHandle fd_;
    State state_ = State::Reading;
    std::string in_;
    std::unique_ptr<ReplyStream> reply_;
    std::string out_;
    std::size_t outOffset_ = 0;
    Clock::time_point sendAt_;
    Clock::time_point deadline_;  // reading: the request's time limit; draining: the close's
};

}  // namespace lookout::demo
