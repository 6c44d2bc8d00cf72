#pragma once
// The watch after its first refresh: one line per change, each with a
// timestamp, and a desktop notification for every refresh in which a state
// word changed; with alertAfter above 1, a change counts once it has held for
// that many refreshes. The table is printed once, at the first status page
// read.
#include <chrono>
#include <functional>
#include <optional>
#include <ostream>

#include "companion/HeldChanges.h"
#include "companion/Notification.h"
#include "companion/ServerState.h"
#include "refresh/RefreshFace.h"

namespace lookout {

class Watch {
public:
    using Clock = std::function<std::chrono::system_clock::time_point()>;
    // notifier may be null; clock gives the time of a refresh; colour is the
    // table's.
    Watch(std::ostream& out, Notifier* notifier, Clock clock, bool colour, int alertAfter = 1)
        : out_(out), notifier_(notifier), clock_(std::move(clock)), colour_(colour), held_(alertAfter) {}

    // Recovery notifications say how long the server was gone.
    void TellGoneFrom(GoneFor goneFor) { goneFor_ = std::move(goneFor); }

    // After every refresh: the servers as it left them.
    void AfterRefresh(const Servers& servers, const RefreshOutcome& outcome);

private:
    void Line(const std::string& text);

    std::ostream& out_;
    Notifier* notifier_;
    Clock clock_;
    bool colour_;
    bool tabled_ = false;
    HeldChanges held_;
    bool unreadable_ = false;
    GoneFor goneFor_;
};

}  // namespace lookout
