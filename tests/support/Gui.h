#pragma once
// Driving real FLTK windows in tests: waiting for a condition with a
// watchdog, reading pixels back, and answering modal message boxes.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Rgb.h"

namespace lookout::test {

// Runs the event loop until done() holds; false when `limit` passed first.
// The limit is a watchdog against hangs, not a timing assertion.
inline bool RunUntil(const std::function<bool()>& done,
                     std::chrono::milliseconds limit = std::chrono::milliseconds(20000)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Fl::wait(0.05);
    }
    return true;
}

// Everything pending drawn and on the server. Safe inside callbacks.
inline void Settle() {
    Fl::flush();
    if (fl_display) XSync(fl_display, False);
}

// Runs `action` once from the event loop as soon as `ready()` holds: the way
// to act while the window waits inside a nested loop (a fetch, a modal box).
class WhenReady {
public:
    WhenReady(std::function<bool()> ready, std::function<void()> action)
        : ready_(std::move(ready)), action_(std::move(action)) {
        Fl::add_timeout(kPeriod, Tick, this);
    }
    ~WhenReady() { Fl::remove_timeout(Tick, this); }
    bool Done() const { return done_; }

private:
    static constexpr double kPeriod = 0.01;
    static void Tick(void* self) {
        auto* me = static_cast<WhenReady*>(self);
        if (me->ready_()) {
            me->done_ = true;
            me->action_();
        } else {
            Fl::repeat_timeout(kPeriod, Tick, self);
        }
    }
    std::function<bool()> ready_;
    std::function<void()> action_;
    bool done_ = false;
};

// The colour on screen at (x, y) of the window's client area.
inline Rgb PixelAt(Fl_Window& window, int x, int y) {
    Settle();
    window.make_current();
    unsigned char p[3] = {};
    fl_read_image(p, x, y, 1, 1);
    return Rgb{p[0], p[1], p[2]};
}

// Presses OK on every message box that opens, remembering its text.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() { Fl::add_timeout(kPeriod, Tick, this); }
    ~MessageBoxAnswerer() { Fl::remove_timeout(Tick, this); }
    const std::vector<std::string>& Texts() const { return texts_; }
    const std::vector<MessageIcon>& Icons() const { return icons_; }

private:
    static constexpr double kPeriod = 0.02;
    static void Tick(void* self) {
        auto* me = static_cast<MessageBoxAnswerer*>(self);
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
            if (auto* box = dynamic_cast<MessageBoxWindow*>(w); box && box->shown()) {
                me->texts_.push_back(box->Text());
                me->icons_.push_back(box->Icon());
                box->PressOk();
                break;
            }
        }
        Fl::repeat_timeout(kPeriod, Tick, self);
    }
    std::vector<std::string> texts_;
    std::vector<MessageIcon> icons_;
};

}  // namespace lookout::test
