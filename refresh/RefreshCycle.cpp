#include "refresh/RefreshCycle.h"

#include "monitor/PageReaders.h"
#include "refresh/Texts.h"
#include "platform/IntegerText.h"
#include "platform/Pump.h"
#include "credits/Credits.h"

namespace lookout {

namespace {
constexpr std::int32_t kFallbackInterval = 120000;
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
    const std::string url = PageUrl(page);
    try {
        HTTP.Get(url);
    } catch (const std::exception& failure) {
        face_.PageFetched(page, url, &failure);
        return false;
    }
    face_.PageFetched(page, url, nullptr);
    return !closing_;
}

void RefreshCycle::Activate() {
    try {
        FormActivate();
    } catch (const std::exception& error) {
        face_.ShowError(error);
    }
}

void RefreshCycle::FormActivate() {
    FetchLoadTime();
    FetchAddressHints();
    TIMERTimer();
    if (closing_) return;
    SetNormalCaption();
    TIMER.SetEnabled(true);
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
    face_.ShowMessage(texts::IntervalFetchFailed());
    loadTime_ = texts::kLoadTimeFallback;
    TIMER.SetInterval(kFallbackInterval);
}

void RefreshCycle::FetchAddressHints() {
    if (closing_) return;
    face_.SetCaption(texts::CaptionFetchingAddresses());
    if (!TryGet(Page::Addresses)) {
        if (!closing_) face_.ShowMessage(texts::AddressFetchFailed());
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

void RefreshCycle::TIMERTimer() {
    if (HTTP.Busy() || closing_) return;
    FetchServerStatus();
    FetchPartyStatus();
}

void RefreshCycle::B_ReloadClick() {
    if (HTTP.Busy() || closing_) return;
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
