#pragma once
// Driving real FLTK windows under a bare X server (no window manager):
// waiting until a window is on screen, reading its pixels back, sending it
// pointer events, and finding where the X server really put it.
#include <functional>
#include <string>
#include <utility>

#include <FL/Fl_Window.H>

#include "resources/RgbImage.h"

namespace lookout::test {

// Shows the window and processes events until it has been mapped and drawn.
// Fails the test (and returns false) if that never happens.
bool ShowAndWait(Fl_Window& window);
// The same for a window that something else has shown.
bool WaitExposed(Fl_Window& window);

// Draws what is damaged, then reads the window's pixels back.
RgbImage ReadWindow(Fl_Window& window);
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

}  // namespace lookout::test
