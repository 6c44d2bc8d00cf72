#include "window/MainWindow.h"

#include <FL/Fl.H>

#include <algorithm>
#include <iostream>
#include <limits>

#include "monitor/Settings.h"
#include "refresh/FetchText.h"
#include "refresh/Texts.h"
#include "platform/DisplayText.h"
#include "toolkit/Fonts.h"
#include "toolkit/HintController.h"
#include "toolkit/MessageBox.h"
#include "resources/FlImages.h"
#include "ui/About.h"
#include "window/SlotLayout.h"

namespace lookout {

namespace {

constexpr int kButtonFontSize = 12;

Fl_Button* MakeButton(const WidgetRect& at, const char* caption, Fl_Callback* onClick, void* self) {
    auto* button = new Fl_Button(at.left, at.top, at.width, at.height, caption);
    button->labelfont(GothicFont());
    button->labelsize(kButtonFontSize);
    button->visible_focus(0);  // never takes the keyboard focus
    button->callback(onClick, self);
    return button;
}

// The X protocol places windows with 16-bit coordinates. The toolkit moves a
// window that lies off every screen back onto one, but its check adds the
// window's size to the position, which wraps around near the 32-bit limits
// and lets the window open where no screen shows it. Any position past the
// 16-bit range is off screen alike, so it is clamped to that range first.
int OnXCoordinateRange(std::int32_t position) {
    return std::clamp<std::int32_t>(position, std::numeric_limits<std::int16_t>::min(),
                                    std::numeric_limits<std::int16_t>::max());
}

template <void (TLOOK_MAIN::*Handler)()>
void Click(Fl_Widget*, void* self) {
    (static_cast<TLOOK_MAIN*>(self)->*Handler)();
}

}  // namespace

TLOOK_MAIN::TLOOK_MAIN(Pump& pump, HintController& hints, std::string settingsPath, const Settings& settings)
    : Fl_Double_Window(kClientWidth, kClientHeight),
      icon_(IconImage()),
      settingsPath_(std::move(settingsPath)),
      hints_(hints),
      panel_(hints),
      B_Reload(MakeButton(kReloadRect, "Reload", Click<&TLOOK_MAIN::B_ReloadClick>, this)),
      B_JumpUrl(MakeButton(kJumpUrlRect, "Site", Click<&TLOOK_MAIN::B_JumpUrlClick>, this)),
      B_About(MakeButton(kAboutRect, "About", Click<&TLOOK_MAIN::B_AboutClick>, this)) {
    end();
    size_range(kClientWidth, kClientHeight, kClientWidth, kClientHeight);  // fixed: no resize, no maximise
    color(FL_BACKGROUND_COLOR);
    icon(icon_.get());
    callback(CloseCallback, this);

    hints_.SetHidePause(std::chrono::milliseconds(kHintHidePause));
    position(OnXCoordinateRange(settings.left), OnXCoordinateRange(settings.top));
    RefreshFace& face = *this;
    core_ = std::make_unique<RefreshCycle>(pump, panel_, face, settings);
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
    window->core_->Activate();
}

void TLOOK_MAIN::CloseCallback(Fl_Widget*, void* self) {
    // The close box closes; Escape does not.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    static_cast<TLOOK_MAIN*>(self)->FormClose();
}

void TLOOK_MAIN::ShowError(const std::exception& error) { ShowErrorBox(texts::kApplicationTitle, error); }

void TLOOK_MAIN::ShowMessage(const std::string& sjisText) { ShowMessageBox(texts::kApplicationTitle, sjisText); }

void TLOOK_MAIN::PageTurned(const PageFetch& fetch) { std::cerr << "lookout: " << FetchLine(fetch) << std::endl; }

void TLOOK_MAIN::SetCaption(const std::string& sjis) {
    caption_ = sjis;
    captionUtf8_ = SjisToUtf8(sjis);
    // Without an icon name of its own the toolkit takes the text after the
    // caption's last "/", as if it were a file path.
    label(captionUtf8_.c_str(), captionUtf8_.c_str());
}

void TLOOK_MAIN::EnableButtons(bool enabled) {
    for (Fl_Button* button : {B_Reload, B_JumpUrl, B_About}) {
        if (enabled)
            button->activate();
        else
            button->deactivate();
    }
}

void TLOOK_MAIN::B_JumpUrlClick() { shellOpen_(core_->SiteUrl()); }

void TLOOK_MAIN::B_AboutClick() {
    if (aboutDialog_) aboutDialog_().ShowModalAt(x(), y());
}

void TLOOK_MAIN::FormClose() {
    // A file the user may not write must not trap the window: the box says
    // the position was not kept, and the close goes on.
    try {
        SavePosition(settingsPath_, x(), y());
    } catch (const std::exception& error) {
        ShowError(error);
    }
    // A fetch waiting on the network is cancelled; its wait unwinds before the
    // window is destroyed, since the event loop returns only then.
    core_->Close();
    hints_.Hide();
    hide();
}

}  // namespace lookout
