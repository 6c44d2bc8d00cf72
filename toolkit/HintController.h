#pragma once
// Tool-tip hints with a hide pause: a hint appears after a short pause over
// its widget, stays for the hide pause while the pointer rests there, and
// goes when the pointer leaves. Widgets report enter and leave; the texts are
// copied (Shift-JIS) and converted only for display.
#include <chrono>
#include <memory>
#include <string>

#include "platform/TimerService.h"

class Fl_Widget;

namespace lookout {

class TextPopup;
struct TextPopupLook;

// How a hint looks: pale yellow, framed, in the gothic face, kept on screen.
TextPopupLook HintLook();

class HintController {
public:
    explicit HintController(TimerService& timers);
    ~HintController();
    HintController(const HintController&) = delete;
    HintController& operator=(const HintController&) = delete;

    void SetHidePause(std::chrono::milliseconds pause) { hidePause_ = pause; }

    // The pointer entered `owner`, which carries `text`; an empty text shows
    // nothing. screenX/Y is the pointer's position on the screen. An enter
    // while `owner` is already being visited changes nothing.
    void Enter(const Fl_Widget* owner, const std::string& text, int screenX, int screenY);
    // The pointer left `owner`: the visit ends and its hint goes.
    void Leave(const Fl_Widget* owner);
    // `owner` was pressed: its hint goes for the rest of the visit, as it
    // does when the hide pause runs out.
    void Dismiss(const Fl_Widget* owner);
    // Whatever is shown or pending goes, and the visit ends.
    void Hide();

    bool Visible() const;
    const std::string& VisibleText() const { return text_; }
    const TextPopup* Window() const { return window_.get(); }

private:
    void Show();
    void HideWindow();

    TimerService& timers_;
    std::chrono::milliseconds hidePause_{2500};
    const Fl_Widget* owner_ = nullptr;
    std::string text_;
    int x_ = 0, y_ = 0;
    TimerService::TimerId timer_ = 0;
    std::unique_ptr<TextPopup> window_;
};

}  // namespace lookout
