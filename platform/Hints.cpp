#include "platform/Hints.h"

#include "platform/HintWindow.h"

namespace lookout {

namespace {
// Where the hint sits relative to the pointer: below the cursor's hot spot.
constexpr int kOffsetX = 0, kOffsetY = 20;
// The usual short pause before a hint appears.
constexpr std::chrono::milliseconds kShowPause{500};
}  // namespace

HintController::HintController(TimerService& timers) : timers_(timers) {}

HintController::~HintController() { StopTimer(); }

void HintController::StopTimer() {
    if (timer_ != 0) timers_.StopTimer(timer_);
    timer_ = 0;
}

void HintController::Enter(const Fl_Widget* owner, const std::string& text, int screenX, int screenY) {
    Hide();
    if (text.empty()) return;
    owner_ = owner;
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

bool HintController::Visible() const { return window_ && window_->shown(); }

void HintController::Show() {
    if (!window_) window_ = std::make_unique<HintWindow>();
    window_->ShowText(text_, x_, y_);
    timer_ = timers_.StartTimer(hidePause_, [this] {
        timer_ = 0;
        Hide();
    });
}

void HintController::Hide() {
    StopTimer();
    if (window_) window_->hide();
    owner_ = nullptr;
    text_.clear();
}

}  // namespace lookout
