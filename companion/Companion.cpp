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
      face_([this](const std::string& line) { Complain(line); }),
      cycle_(pump, clock, panel_, face_, settings) {}

void Companion::Complain(const std::string& utf8Line) { err_ << "lookout-status: " << utf8Line << std::endl; }

ExitStatus Companion::RunOnce(bool json) {
    cycle_.Activate();
    if (cycle_.Closing()) return kExitUnknown;
    const auto party = face_.LastFetch(Page::Party);
    if (party && party->failure) Complain("cannot read the party page " + Describe(*party));
    const auto status = face_.LastFetch(Page::Status);
    if (!status) return kExitUnknown;  // the activation ended early; the face said why
    if (status->failure) {
        Complain("cannot read the status page " + Describe(*status));
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
    // Every tick the cycle takes ends with the watch's look at the panel; a
    // tick the cycle drops (a fetch still waits) changes nothing.
    std::function<void()> tick = std::move(cycle_.Timer().OnTimer);
    cycle_.Timer().OnTimer = [this, tick] {
        const bool dropped = cycle_.Busy();
        tick();
        if (!dropped && !cycle_.Closing()) AfterRefresh();
    };
    cycle_.Activate();
    if (cycle_.Closing()) return false;
    if (!face_.LastFetch(Page::Status)) return false;  // the activation ended early; the face said why
    if (cycle_.Timer().Interval() <= 0) {
        Complain("the service's refresh interval is " + SjisToUtf8(cycle_.LoadTime()) +
                 " s, so nothing would be refreshed");
        return false;
    }
    AfterRefresh();
    return true;
}

void Companion::AfterRefresh() { watch_->AfterRefresh(panel_.State(), *face_.LastFetch(Page::Status)); }

}  // namespace lookout
