#include "demo/Connection.h"

#include "platform/HttpReply.h"

namespace lookout::demo {

namespace {

using namespace std::chrono_literals;

// A client gets this long to send its request head.
constexpr auto kRequestTime = 30s;
// After the reply, the client gets this long to close its side; closing ours
// while its bytes are unread would reset the connection and could destroy the
// reply's tail in flight.
constexpr auto kDrainTime = 2s;
// The most one Step writes, so one fast reader cannot starve the others.
constexpr std::size_t kWriteBudget = 256 * 1024;

Answer BadRequest() {
    return Answer{Answer::Action::Send,
                  std::make_unique<FixedReply>(WholeReply(400, "Bad Request", "text/plain", "bad request\r\n"))};
}

}  // namespace

Connection::Connection(SocketHandle fd, Clock::time_point now) : fd_(fd), deadline_(now + kRequestTime) {}

Connection::~Connection() { CloseSocket(fd_); }

short Connection::Events(Clock::time_point now) const {
    if (state_ != State::Sending) return POLLIN;
    return now >= sendAt_ ? POLLOUT : 0;
}

std::optional<Clock::time_point> Connection::Deadline(Clock::time_point now) const {
    switch (state_) {
        case State::Reading:
        case State::Draining: return deadline_;
        // Once the pause is over only the socket's readiness matters.
        case State::Sending: return sendAt_ > now ? std::optional(sendAt_) : std::nullopt;
        case State::Silent: return std::nullopt;
    }
    return std::nullopt;
}

bool Connection::Step(short revents, Clock::time_point now, const Router& route) {
    switch (state_) {
        case State::Reading:
            if (revents != 0) return ReadRequest(now, route);
            return now < deadline_;
        case State::Sending:
            if (revents & (POLLERR | POLLHUP)) return false;
            return now >= sendAt_ ? Send(now) : true;
        case State::Silent: return revents == 0 || DiscardReceived(fd_);
        case State::Draining:
            if (revents != 0 && !DiscardReceived(fd_)) return false;
            return now < deadline_;
    }
    return false;
}

bool Connection::ReadRequest(Clock::time_point now, const Router& route) {
    if (!ReceiveHead(fd_, in_)) return false;  // gone before asking anything
    const std::optional<std::size_t> end = FindHeadEnd(in_);
    if (!end && in_.size() <= kMaxRequestHead) return true;
    const std::optional<Request> request =
        end ? ParseRequestLine(std::string_view(in_).substr(0, *end)) : std::nullopt;
    in_.clear();
    in_.shrink_to_fit();

    Answer answer = request ? route(*request) : BadRequest();
    switch (answer.action) {
        case Answer::Action::Send:
            state_ = State::Sending;
            reply_ = std::move(answer.reply);
            sendAt_ = now;
            return Send(now);
        case Answer::Action::Silent: state_ = State::Silent; return true;
        case Answer::Action::Reset: {
            // No lingering: the close then sends RST at once.
            ResetOnClose(fd_);
            return false;
        }
    }
    return false;
}

bool Connection::Send(Clock::time_point now) {
    std::size_t budget = kWriteBudget;
    while (budget > 0) {
        if (outOffset_ == out_.size()) {
            std::optional<Piece> piece = reply_->Next();
            if (!piece) {
                ::shutdown(fd_, kShutdownSending);
                reply_.reset();
                state_ = State::Draining;
                deadline_ = now + kDrainTime;
                return true;
            }
            out_ = std::move(piece->bytes);
            outOffset_ = 0;
            if (piece->pause.count() > 0) {
                sendAt_ = now + piece->pause;
                return true;
            }
            continue;
        }
        const std::size_t want = std::min(out_.size() - outOffset_, budget);
        const auto n = ::send(fd_, out_.data() + outOffset_, static_cast<int>(want), kSendFlags);
        if (n < 0) {
            const int error = LastSocketError();
            if (error == kInterrupted) continue;
            return error == kWouldBlock;
        }
        outOffset_ += static_cast<std::size_t>(n);
        budget -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace lookout::demo
