#pragma once
// Driving real FLTK windows in tests under a bare X server (no window
// manager): waiting for a condition or for a window to be on screen, with a
// watchdog that turns a hang into a failure; reading pixels back; sending
// pointer events; acting from inside a nested loop; answering message boxes.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/MessageBox.h"
#include "platform/Rgb.h"
#include "resources/RgbImage.h"

namespace lookout::test {

// Runs the event loop until done() holds; false when `limit` passed first.
// The limit is a watchdog against hangs, not a timing assertion.
bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::milliseconds(20000));

// Everything pending drawn and on the server. Safe inside callbacks.
void Settle();


// Shows the window and processes events until it has been mapped and drawn.
// Fails the test (and returns false) if that never happens.
bool ShowAndWait(Fl_Window& window);
// The same for a window that something else has shown.
bool WaitExposed(Fl_Window& window);

// Draws what is damaged, then reads the window's pixels back: all of them, or
// the one at (x, y) of the client area.
RgbImage ReadWindow(Fl_Window& window);
Rgb PixelAt(Fl_Window& window, int x, int y);
// Number of pixels inside the rectangle (window coordinates) that are of the
// colour, or that satisfy the test (for antialiased text).
int CountPixels(const RgbImage& image, int left, int top, int width, int height, Rgb colour);
int CountPixelsIf(const RgbImage& image, int left, int top, int width, int height,
                  const std::function<bool(Rgb)>& test);

// The client area's top-left corner on the screen, as the X server has it.
std::pair<int, int> ScreenOrigin(const Fl_Window& window);
bool IsOverrideRedirect(const Fl_Window& window);
// The name the desktop shows for the window when iconified (UTF-8).
std::string IconName(const Fl_Window& window);

// Moves the real pointer; the X server then reports the motion to FLTK.
void WarpPointer(int screenX, int screenY);

// Sends a pointer event to the widget with the pointer at the given screen
// point (the widget's window-relative position follows from it).
int SendPointer(Fl_Widget& widget, int event, int screenX, int screenY, int button = 0);

// Runs body from inside the event loop of a blocking call (a modal dialog),
// then calls stop; if body never gets to run, a watchdog fails the test and
// calls stop instead, so a hang becomes a failure.
class InsideLoop {
public:
    InsideLoop(std::function<void()> body, std::function<void()> stop);
    ~InsideLoop();
    bool Ran() const { return ran_; }

private:
    static void Run(void* self);
    static void Watchdog(void* self);
    std::function<void()> body_;
    std::function<void()> stop_;
    bool ran_ = false;
};

Rgb ToRgb(Fl_Color colour);

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
