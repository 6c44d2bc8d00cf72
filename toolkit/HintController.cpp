#include "toolkit/HintController.h"

#include "toolkit/Fonts.h"
#include "toolkit/TextPopup.h"

namespace lookout {

namespace {
// Where the hint sits relative to the pointer: below the cursor's hot spot.
constexpr int kOffsetX = 0, kOffsetY = 20;
// The usual short pause before a hint appears.
constexpr std::chrono::milliseconds kShowPause{500};
}  // namespace

TextPopupLook HintLook() {
    // Three pixels of air left and right, two above and below, inside the frame.
    return {.font = {GothicFont(), 12, FL_BLACK, false},
            .background = fl_rgb_color(255, 255, 225),
            .box = FL_BORDER_BOX,
            .padWidth = 2 * 3 + 2,
            .padHeight = 2 * 2 + 2,
            .textLeft = 3 + 1,
            .textTop = 2 + 1,
            .keepOnScreen = true};
}

HintController::HintController(TimerService& timers) : timers_(timers) {}

HintController::~HintController() { HideWindow(); }

void HintController::HideWindow() {
    if (timer_ != 0) timers_.StopTimer(timer_);
    timer_ = 0;
    if (window_) window_->hide();
    text_.clear();
}

void HintController::Enter(const Fl_Widget* owner, const std::string& text, int screenX, int screenY) {
    if (owner == owner_) return;
    Hide();
    owner_ = owner;
    if (text.empty()) return;
    text_ = text;
    x_ = screenX + kOffsetX;
    y_ = screenY + kOffsetY;
    timer_ = timers_.StartTimer(kShowPause, [this] {
        timer_ = 0;
        Show();
    });
}

void HintController::Leave(const Fl_Widget* owner) {
    if (owner == owner_) Hide();
}

void HintController::Dismiss(const Fl_Widget* owner) {
    if (owner == owner_) HideWindow();
}

bool HintController::Visible() const { return window_ && window_->shown(); }

void HintController::Show() {
    if (!window_) window_ = std::make_unique<TextPopup>();
    window_->Popup(text_, x_, y_, HintLook());
    timer_ = timers_.StartTimer(hidePause_, [this] {
        timer_ = 0;
        HideWindow();
    });
}

void HintController::Hide() {
    HideWindow();
    owner_ = nullptr;
}

}  // namespace lookout
