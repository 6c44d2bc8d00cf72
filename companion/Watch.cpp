#include "companion/Watch.h"

#include "companion/Changes.h"
#include "companion/IsoTime.h"
#include "companion/Table.h"
#include "companion/TerminalFace.h"

namespace lookout {

void Watch::AfterRefresh(const Servers& servers, const RefreshOutcome& outcome) {
    const PageFetch& status = *outcome.Find(Page::Status);
    if (status.failure) {
        // Once, not at every tick; the panel keeps what it had.
        if (!unreadable_) Line("status page unreadable: " + Describe(status));
        unreadable_ = true;
        return;
    }
    if (unreadable_) Line("status page readable again");
    unreadable_ = false;
    if (!tabled_) {
        out_ << FormatTable(servers, outcome.Read(Page::Party), colour_) << std::flush;
        held_.Start(servers);
        tabled_ = true;
        return;
    }
    const std::vector<Change> changes = held_.After(servers, clock_());
    for (const Change& change : changes) Line(ChangeLine(change, servers));
    if (notifier_) {
        if (const auto notification = NotificationFor(changes, servers, goneFor_)) notifier_->Show(*notification);
    }
}

void Watch::Line(const std::string& text) { out_ << IsoLocalTime(clock_()) << " " << text << std::endl; }

}  // namespace lookout
