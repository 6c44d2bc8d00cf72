#include "demo/DemoService.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "demo/ControlRoutes.h"
#include "demo/DemoPages.h"

namespace lookout::demo {

namespace {

using namespace std::chrono_literals;

// Beyond this many connections new ones wait in the listen queue, which keeps
// the service inside its descriptor limit.
constexpr std::size_t kMaxConnections = 512;
// How soon to try again when the port is still taken after a refusal.
constexpr auto kReopenRetry = 50ms;

int PollTimeout(std::optional<Clock::time_point> due, Clock::time_point now) {
    if (!due) return -1;
    if (*due <= now) return 0;
    // Rounded up, so the loop does not wake just before the deadline.
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(*due - now).count());
}

void Earliest(std::optional<Clock::time_point>& due, std::optional<Clock::time_point> t) {
    if (t && (!due || *t < *due)) due = t;
}

}  // namespace

DemoService::DemoService(const ServiceSettings& settings)
    : settings_(settings), listener_(settings.port), addressPage_(AddressPage(settings.seed)), start_(Clock::now()) {
    // Refusal is the listener's, the rest the pages'.
    if (settings.fault.mode == FaultMode::Refused)
        RefuseFor(start_, settings.fault.pause);
    else
        faults_.SetAll(settings.fault);
}

void DemoService::RefuseFor(Clock::time_point now, std::chrono::milliseconds pause) {
    listener_.Close();
    reopenAt_ = now + pause;
}

std::uint64_t DemoService::StepAt(Clock::time_point now) const {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now - start_).count();
    return static_cast<std::uint64_t>(seconds) / static_cast<std::uint64_t>(std::max(1, settings_.intervalSeconds));
}

Answer DemoService::Route(const Request& request, Clock::time_point now) {
    if (IsControlPath(request.path)) {
        ControlAnswer control = AnswerControl(request, faults_);
        if (control.refuseFor) RefuseFor(now, *control.refuseFor);
        return Answer{Answer::Action::Send, std::make_unique<FixedReply>(std::move(control.reply))};
    }
    PageInputs in;
    in.seed = settings_.seed;
    in.step = StepAt(now);
    in.intervalSeconds = settings_.intervalSeconds;
    in.addressPage = addressPage_;
    in.selfUrl = "http://127.0.0.1:" + std::to_string(listener_.Port());
    in.garbageSeed = accepted_;
    return AnswerRequest(request, faults_.For(request.path), in);
}

void DemoService::AcceptAll(Clock::time_point now) {
    while (connections_.size() < kMaxConnections) {
        const std::optional<SocketHandle> fd = listener_.Accept();
        if (!fd) return;
        ++accepted_;
        connections_.push_back(std::make_unique<Connection>(*fd, now));
    }
}

void DemoService::KeepListenerOpen(Clock::time_point now) {
    if (!reopenAt_ || now < *reopenAt_) return;
    if (listener_.Reopen()) {
        reopenAt_.reset();
        reopenFailed_ = false;
        return;
    }
    // Said once per refusal, not on every retry.
    if (!reopenFailed_)
        std::fprintf(stderr, "lookout-demo-service: port %d still taken, retrying\n", listener_.Port());
    reopenFailed_ = true;
    reopenAt_ = now + kReopenRetry;
}

void DemoService::Run(SocketHandle stop) {
    std::vector<PollEntry> fds;
    for (;;) {
        Clock::time_point now = Clock::now();
        KeepListenerOpen(now);

        fds.clear();
        fds.push_back({stop, POLLIN, 0});
        // Left out while not accepting: WSAPoll would report a closed
        // listener at once, again and again.
        const bool accepting = listener_.IsOpen() && connections_.size() < kMaxConnections;
        if (accepting) fds.push_back({listener_.Fd(), POLLIN, 0});
        const std::size_t firstConnection = fds.size();
        std::optional<Clock::time_point> due = reopenAt_;
        for (const auto& c : connections_) {
            fds.push_back({c->Fd(), c->Events(now), 0});
            Earliest(due, c->Deadline(now));
        }

        if (PollSockets(fds.data(), fds.size(), PollTimeout(due, now)) < 0) {
            if (const int error = LastSocketError(); error != kInterrupted) {
                std::fprintf(stderr, "lookout-demo-service: poll: %s\n", SocketErrorText(error).c_str());
                return;
            }
        }
        if (fds[0].revents != 0) return;
        const Clock::time_point polledAt = now;
        now = Clock::now();

        std::size_t i = firstConnection;
        for (auto it = connections_.begin(); it != connections_.end(); ++i) {
            Connection& c = **it;
            const short revents = fds[i].revents;
            const auto deadline = c.Deadline(polledAt);
            const bool woken = revents != 0 || (deadline && *deadline <= now);
            const auto route = [this, now](const Request& r) { return Route(r, now); };
            if (woken && !c.Step(revents, now, route))
                it = connections_.erase(it);
            else
                ++it;
        }
        if (accepting && fds[1].revents != 0) AcceptAll(now);
    }
}

}  // namespace lookout::demo
