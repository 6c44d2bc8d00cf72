#include "monitor/MainWindow.h"

#include <FL/Fl.H>

#include "monitor/PageReaders.h"
#include "monitor/Settings.h"
#include "monitor/Texts.h"
#include "platform/DisplayText.h"
#include "platform/Fonts.h"
#include "platform/Hints.h"
#include "platform/IntegerText.h"
#include "platform/MessageBox.h"
#include "platform/Pump.h"
#include "resources/Credits.h"
#include "resources/FlImages.h"
#include "ui/About.h"

namespace lookout {

namespace {

constexpr int kButtonFontSize = 12;
constexpr std::int32_t kFallbackInterval = 120000;

Fl_Button* MakeButton(int x, int y, int w, int h, const char* caption, Fl_Callback* onClick, void* self) {
    auto* button = new Fl_Button(x, y, w, h, caption);
    button->labelfont(GothicFont());
    button->labelsize(kButtonFontSize);
    button->visible_focus(0);  // never takes the keyboard focus
    button->callback(onClick, self);
    return button;
}

template <void (TLOOK_MAIN::*Handler)()>
void Click(Fl_Widget*, void* self) {
    (static_cast<TLOOK_MAIN*>(self)->*Handler)();
}

}  // namespace

TLOOK_MAIN::TLOOK_MAIN(Pump& pump, HintController& hints, std::string settingsPath)
    : Fl_Double_Window(kClientWidth, kClientHeight),
      icon_(IconImage()),
      settingsPath_(std::move(settingsPath)),
      hints_(hints),
      panel_(hints),
      B_Reload(MakeButton(440, 0, 41, 17, "Reload", Click<&TLOOK_MAIN::B_ReloadClick>, this)),
      B_JumpUrl(MakeButton(440, 17, 41, 16, "Site", Click<&TLOOK_MAIN::B_JumpUrlClick>, this)),
      B_About(MakeButton(562, 0, 39, 17, "About", Click<&TLOOK_MAIN::B_AboutClick>, this)),
      HTTP(pump),
      TIMER(pump) {
    end();
    size_range(kClientWidth, kClientHeight, kClientWidth, kClientHeight);  // fixed: no resize, no maximise
    color(FL_BACKGROUND_COLOR);
    icon(icon_.get());
    callback(CloseCallback, this);

    HTTP.TimeOut = kFetchTimeOut;
    HTTP.ReportLevel = 0;
    HTTP.OnAboutToSend = [this](THttpClient& sender) { HTTPAboutToSend(sender); };
    TIMER.OnTimer = [this] { TIMERTimer(); };

    hints_.SetHidePause(std::chrono::milliseconds(kHintHidePause));
    const Settings settings = LoadSettings(settingsPath_);
    position(settings.left, settings.top);
    statusBaseUrl_ = settings.statusBaseUrl;
    mapBaseUrl_ = settings.mapBaseUrl;
    urlSuffix_ = settings.urlSuffix;
}

TLOOK_MAIN::~TLOOK_MAIN() { Fl::remove_timeout(ActivateCallback, this); }

int TLOOK_MAIN::handle(int event) {
    // The window's activation: the first time it is shown. The sequence waits
    // on the network, so it runs from the event loop, not inside this event.
    if (event == FL_SHOW && !activated_ && !activationPending_) {
        activationPending_ = true;
        Fl::add_timeout(0.0, ActivateCallback, this);
    }
    return Fl_Double_Window::handle(event);
}

void TLOOK_MAIN::ActivateCallback(void* self) {
    auto* window = static_cast<TLOOK_MAIN*>(self);
    window->activationPending_ = false;
    window->activated_ = true;
    try {
        window->FormActivate();
    } catch (const std::exception& error) {
        window->ShowEventError(error);
    }
}

void TLOOK_MAIN::CloseCallback(Fl_Widget*, void* self) {
    // The close box closes; Escape does not.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    auto* window = static_cast<TLOOK_MAIN*>(self);
    try {
        window->FormClose();
    } catch (const std::exception& error) {
        window->ShowEventError(error);
    }
}

void TLOOK_MAIN::ShowEventError(const std::exception& error) { ShowErrorBox(texts::kApplicationTitle, error); }

void TLOOK_MAIN::SetCaption(const std::string& sjis) {
    caption_ = sjis;
    captionUtf8_ = SjisToUtf8(sjis);
    label(captionUtf8_.c_str());
}

void TLOOK_MAIN::SetNormalCaption() {
    SetCaption(texts::NormalCaption(texts::kApplicationTitle, loadTime_, urlSuffix_));
}

void TLOOK_MAIN::EnableButtons(bool enabled) {
    for (Fl_Button* button : {B_Reload, B_JumpUrl, B_About}) {
        if (enabled)
            button->activate();
        else
            button->deactivate();
    }
}

bool TLOOK_MAIN::TryGet(const std::string& url) {
    if (closing_) return false;
    try {
        HTTP.Get(url);
    } catch (...) {
        return false;
    }
    return !closing_;
}

void TLOOK_MAIN::FormActivate() {
    FetchLoadTime();
    FetchAddressHints();
    TIMERTimer();
    if (closing_) return;
    SetNormalCaption();
    TIMER.SetEnabled(true);
}

void TLOOK_MAIN::FetchLoadTime() {
    if (closing_) return;
    SetCaption(texts::CaptionFetchingInterval());
    bool ok = TryGet(statusBaseUrl_ + urlSuffix_ + "/loadtime.txt");
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
    ShowMessageBox(texts::kApplicationTitle, texts::IntervalFetchFailed());
    loadTime_ = texts::kLoadTimeFallback;
    TIMER.SetInterval(kFallbackInterval);
}

void TLOOK_MAIN::FetchAddressHints() {
    if (closing_) return;
    SetCaption(texts::CaptionFetchingAddresses());
    if (!TryGet(mapBaseUrl_ + urlSuffix_)) {
        if (!closing_) ShowMessageBox(texts::kApplicationTitle, texts::AddressFetchFailed());
        return;
    }
    ReadAddressPage(PZ.EucToSjis(HTTP.Body), panel_);
}

void TLOOK_MAIN::FetchServerStatus() {
    RefreshPanel(texts::CaptionUpdatingStatus(), "/status.txt", ReadStatusPage);
}

void TLOOK_MAIN::FetchPartyStatus() {
    RefreshPanel(texts::CaptionUpdatingParty(), "/party.txt", ReadPartyPage);
}

void TLOOK_MAIN::RefreshPanel(const std::string& caption, const char* page, PageReader read) {
    if (closing_) return;
    SetCaption(caption);
    EnableButtons(false);
    // A failed fetch is silent and leaves the panel as it was.
    if (TryGet(statusBaseUrl_ + urlSuffix_ + page)) read(HTTP.Body, panel_);
    SetNormalCaption();
    EnableButtons(true);
}

void TLOOK_MAIN::TIMERTimer() {
    // One request at a time: a tick that comes while a fetch waits is dropped;
    // the next tick or Reload refreshes again.
    if (HTTP.Busy() || closing_) return;
    FetchServerStatus();
    FetchPartyStatus();
}

void TLOOK_MAIN::B_ReloadClick() {
    if (HTTP.Busy() || closing_) return;
    TIMER.SetEnabled(false);
    TIMERTimer();
    TIMER.SetEnabled(true);
}

void TLOOK_MAIN::B_JumpUrlClick() { shellOpen_(statusBaseUrl_ + urlSuffix_); }

void TLOOK_MAIN::B_AboutClick() {
    if (aboutDialog_) aboutDialog_().ShowModalAt(x(), y());
}

void TLOOK_MAIN::FormClose() {
    SavePosition(settingsPath_, x(), y());
    // A fetch waiting on the network is cancelled; its wait unwinds before the
    // window is destroyed, since the event loop returns only then.
    closing_ = true;
    TIMER.SetEnabled(false);
    HTTP.Abort();
    hints_.Hide();
    hide();
}

void TLOOK_MAIN::HTTPAboutToSend(THttpClient& sender) {
    sender.RequestHeader.Insert(1, "Host: " + sender.Host);
    sender.RequestHeader.Insert(3, std::string("User-Agent: ") + texts::kApplicationTitle);
    sender.RequestHeader.Insert(4, std::string("Referer: ") + credits::kHomePage);
}

}  // namespace lookout
