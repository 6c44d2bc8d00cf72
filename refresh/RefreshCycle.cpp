#include "refresh/RefreshCycle.h"

#include <algorithm>
#include <utility>

#include "monitor/PageReaders.h"
#include "net/ReplyHeader.h"
#include "refresh/Texts.h"
#include "platform/IntegerText.h"
#include "platform/Messages.h"
#include "platform/Pump.h"
#include "credits/Credits.h"

namespace lookout {

namespace {

constexpr std::int32_t kFallbackInterval = 120000;

using Clock = std::chrono::steady_clock;

// Puts a pointer back as it was when the scope ends, an escaping error included.
struct Restore {
    RefreshOutcome*& slot;
    RefreshOutcome* was;
    ~Restore() { slot = was; }
};

}  // namespace

RefreshCycle::RefreshCycle(Pump& pump, StatusPanel& panel, RefreshFace& face, const Settings& settings)
    : RefreshCycle(pump, pump, panel, face, settings) {}

RefreshCycle::RefreshCycle(Pump& pump, TimerService& clock, StatusPanel& panel, RefreshFace& face,
                           const Settings& settings)
    : panel_(panel),
      face_(face),
      statusBaseUrl_(settings.statusBaseUrl),
      mapBaseUrl_(settings.mapBaseUrl),
      urlSuffix_(settings.urlSuffix),
      HTTP(pump),
      TIMER(clock) {
    HTTP.TimeOut = kFetchTimeOut;
    HTTP.ReportLevel = 0;
    HTTP.OnAboutToSend = [this](THttpClient& sender) { HTTPAboutToSend(sender); };
    TIMER.OnTimer = [this] { TIMERTimer(); };
}

std::string RefreshCycle::PageUrl(Page page) const {
    switch (page) {
        case Page::Interval: return SiteUrl() + "/loadtime.txt";
        case Page::Addresses: return mapBaseUrl_ + urlSuffix_;
        case Page::Status: return SiteUrl() + "/status.txt";
        case Page::Party: return SiteUrl() + "/party.txt";
    }
    return {};
}

std::string RefreshCycle::SiteUrl() const { return statusBaseUrl_ + urlSuffix_; }

void RefreshCycle::SetNormalCaption() {
    face_.SetCaption(texts::NormalCaption(texts::kApplicationTitle, loadTime_, urlSuffix_));
}

bool RefreshCycle::TryGet(Page page) {
    if (closing_) return false;
    PageFetch fetch{page, PageUrl(page), std::nullopt, std::nullopt};
    if (rules_.bound.count() > 0) HTTP.RequestTimeOut = Budget(page);
    try {
        HTTP.Get(fetch.url);
        CheckReply();
    } catch (const std::exception& failure) {
        fetch.failure = failure.what();
        Fetched(fetch, &failure);
        return false;
    }
    fetch.certificateExpires = HTTP.CertificateExpires();
    Fetched(fetch, nullptr);
    return !closing_;
}

void RefreshCycle::Fetched(const PageFetch& fetch, const std::exception* failure) {
    if (running_) running_->pages.push_back(fetch);
    face_.PageFetched(fetch.page, fetch.url, failure);
    if (closing_) return;
    bool& failing = failing_[static_cast<std::size_t>(fetch.page)];
    if (failing == fetch.failure.has_value()) return;
    failing = !failing;
    face_.PageTurned(fetch);
}

int RefreshCycle::Budget(Page page) const {
    const auto now = Clock::now();
    auto budget = (running_ ? deadline_ : now + rules_.bound) - now;
    if (page == Page::Interval || page == Page::Addresses) budget = std::min<Clock::duration>(budget, rules_.bound / 4);
    // 0 would mean no limit: a refresh out of time gives its next page a moment only.
    return static_cast<int>(std::max<std::int64_t>(1, std::chrono::ceil<std::chrono::milliseconds>(budget).count()));
}

void RefreshCycle::CheckReply() const {
    if (!rules_.replyMustSucceed) return;
    std::string_view line = std::string_view(HTTP.Header).substr(0, HTTP.Header.find('\n'));
    if (line.ends_with('\r')) line.remove_suffix(1);
    // Field 2 of "HTTP/1.0 500 Internal Server Error"; a bare "HTTP/1.0 500" too.
    const int status = StatusCodeOf(line);
    if (!line.starts_with("HTTP/") || status < 100) throw ESockError("No Status Line");
    if (status >= 400) throw ESockError(std::string(line));
}

void RefreshCycle::Finish(RefreshOutcome& outcome, bool completed, std::chrono::steady_clock::time_point start) {
    outcome.completed = completed;
    outcome.droppedTicks = std::exchange(dropped_, 0);
    outcome.took = Clock::now() - start;
    face_.RefreshFinished(outcome);
}

void RefreshCycle::Activate() {
    try {
        FormActivate();
    } catch (const std::exception& error) {
        face_.ShowError(error);
    }
}

void RefreshCycle::FormActivate() {
    const auto start = Clock::now();
    deadline_ = start + rules_.bound;
    RefreshOutcome outcome;
    outcome.activation = true;
    {
        const Restore restore{running_, std::exchange(running_, &outcome)};
        try {
            FetchLoadTime();
            FetchAddressHints();
            TIMERTimer();
        } catch (...) {
            Finish(outcome, false, start);
            throw;
        }
    }
    if (closing_) return Finish(outcome, false, start);
    SetNormalCaption();
    TIMER.SetEnabled(true);
    Finish(outcome, true, start);
}

void RefreshCycle::FetchLoadTime() {
    if (closing_) return;
    face_.SetCaption(texts::CaptionFetchingInterval());
    bool ok = TryGet(Page::Interval);
    std::int32_t seconds = 0;
    if (ok) {
        loadTime_ = TrimRight(HTTP.Body);
        ok = TryStrToInt(loadTime_, seconds);
    }
    if (closing_) return;
    if (ok) {
        // Held in 64 bits: a large number of seconds must not wrap around.
        TIMER.SetInterval(static_cast<std::int64_t>(seconds) * 1000);
        return;
    }
    face_.ShowMessage(messages::IntervalFetchFailed());
    loadTime_ = texts::kLoadTimeFallback;
    TIMER.SetInterval(kFallbackInterval);
}

void RefreshCycle::FetchAddressHints() {
    if (closing_) return;
    face_.SetCaption(texts::CaptionFetchingAddresses());
    if (!TryGet(Page::Addresses)) {
        if (!closing_) face_.ShowMessage(messages::AddressFetchFailed());
        return;
    }
    ReadAddressPage(PZ.EucToSjis(HTTP.Body), panel_);
}

void RefreshCycle::FetchServerStatus() { RefreshPanel(texts::CaptionUpdatingStatus(), Page::Status, ReadStatusPage); }

void RefreshCycle::FetchPartyStatus() { RefreshPanel(texts::CaptionUpdatingParty(), Page::Party, ReadPartyPage); }

void RefreshCycle::RefreshPanel(const std::string& caption, Page page, PageReader read) {
    if (closing_) return;
    face_.SetCaption(caption);
    face_.EnableButtons(false);
    // A failed fetch is silent and leaves the panel as it was.
    if (TryGet(page)) read(HTTP.Body, panel_);
    SetNormalCaption();
    face_.EnableButtons(true);
}

bool RefreshCycle::Dropped() {
    if (closing_) return true;
    if (HTTP.Busy()) ++dropped_;
    return HTTP.Busy();
}

void RefreshCycle::TIMERTimer() {
    if (!Dropped()) Refresh();
}

void RefreshCycle::Refresh() {
    if (running_) {
        FetchServerStatus();
        FetchPartyStatus();
        return;
    }
    const auto start = Clock::now();
    deadline_ = start + rules_.bound;
    RefreshOutcome outcome;
    {
        const Restore restore{running_, std::exchange(running_, &outcome)};
        FetchServerStatus();
        FetchPartyStatus();
    }
    Finish(outcome, !closing_, start);
}

void RefreshCycle::B_ReloadClick() {
    if (Dropped()) return;
    TIMER.SetEnabled(false);
    TIMERTimer();
    TIMER.SetEnabled(true);
}

void RefreshCycle::Close() {
    closing_ = true;
    TIMER.SetEnabled(false);
    HTTP.Abort();
}

void RefreshCycle::HTTPAboutToSend(THttpClient& sender) {
    sender.RequestHeader.Insert(1, "Host: " + sender.Host);
    sender.RequestHeader.Insert(3, std::string("User-Agent: ") + texts::kApplicationTitle);
    sender.RequestHeader.Insert(4, std::string("Referer: ") + credits::kHomePage);
}

}  // namespace lookout
