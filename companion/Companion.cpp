#include "companion/Companion.h"

#include "companion/IsoTime.h"
#include "companion/JsonReport.h"
#include "companion/Table.h"
#include "platform/DisplayText.h"

namespace lookout {

namespace {
std::string Now() { return IsoLocalTime(std::chrono::system_clock::now()); }
}  // namespace

Companion::Companion(Pump& pump, TimerService& clock, const Settings& settings, std::ostream& out,
                     std::ostream& err)
    : out_(out),
      err_(err),
      face_([this](const std::string& line) { Complain(line); },
            [this](const RefreshOutcome& outcome) { Finished(outcome); }),
      cycle_(pump, clock, panel_, face_, settings) {}

void Companion::Complain(const std::string& utf8Line) { err_ << "lookout-status: " << utf8Line << std::endl; }

ExitStatus Companion::RunOnce(bool json) {
    cycle_.Activate();
    // Closed, or ended early: the face said why.
    if (cycle_.Closing() || !activation_->completed) return kExitUnknown;
    const PageFetch* party = activation_->Find(Page::Party);
    if (party && party->failure) Complain("cannot read the party page " + Describe(*party));
    const PageFetch& status = *activation_->Find(Page::Status);
    if (status.failure) {
        Complain("cannot read the status page " + Describe(status));
        return kExitUnknown;
    }
    if (json) {
        const std::int64_t interval = cycle_.Timer().Interval() / 1000;
        out_ << FormatJson({Now(), cycle_.PageUrl(Page::Status), interval, panel_.State()});
    } else {
        out_ << FormatTable(panel_.State());
    }
    out_.flush();
    return HealthOf(panel_.State());
}

bool Companion::StartWatch(Notifier* notifier) {
    watch_.emplace(out_, notifier, Now);
    cycle_.Activate();
    if (cycle_.Closing() || !activation_->completed) return false;
    if (cycle_.Timer().Interval() <= 0) {
        Complain("the service's refresh interval is " + SjisToUtf8(cycle_.LoadTime()) +
                 " s, so nothing would be refreshed");
        return false;
    }
    AfterRefresh(*activation_);
    return true;
}

void Companion::Finished(const RefreshOutcome& outcome) {
    if (outcome.activation) {
        activation_ = outcome;
    } else if (watch_ && outcome.completed) {
        AfterRefresh(outcome);
    }
}

void Companion::AfterRefresh(const RefreshOutcome& outcome) {
    watch_->AfterRefresh(panel_.State(), *outcome.Find(Page::Status));
}

}  // namespace lookout
