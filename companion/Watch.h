#pragma once
// The watch after its first refresh: one line per change, each with a
// timestamp, and a desktop notification for every refresh in which a state
// word changed. The table is printed once, at the first status page read.
#include <functional>
#include <optional>
#include <ostream>

#include "companion/Notification.h"
#include "companion/ServerState.h"
#include "refresh/RefreshFace.h"

namespace lookout {

class Watch {
public:
    // notifier may be null; now gives the timestamp of a line; colour is the
    // table's.
    Watch(std::ostream& out, Notifier* notifier, std::function<std::string()> now, bool colour)
        : out_(out), notifier_(notifier), now_(std::move(now)), colour_(colour) {}

    // Recovery notifications say how long the server was gone.
    void TellGoneFrom(GoneFor goneFor) { goneFor_ = std::move(goneFor); }

    // After every refresh: the servers as it left them.
    void AfterRefresh(const Servers& servers, const RefreshOutcome& outcome);

private:
    void Line(const std::string& text);

    std::ostream& out_;
    Notifier* notifier_;
    std::function<std::string()> now_;
    bool colour_;
    std::optional<Servers> shown_;  // what the last lines were about
    bool unreadable_ = false;
    GoneFor goneFor_;
};

}  // namespace lookout
