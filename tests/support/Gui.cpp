// Fl_X (to see whether the server has exposed a window yet) is internal.
#define FL_INTERNALS
#include "tests/support/Gui.h"

// gtest before the X headers, whose macros (None, Bool) break it.
#include <gtest/gtest.h>

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <vector>

namespace lookout::test {

namespace {

constexpr double kWatchdogSeconds = 20.0;

}  // namespace

bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        Fl::wait(0.05);
    }
    return true;
}

void Settle() {
    Fl::flush();
    if (fl_display) XSync(fl_display, False);
}

bool ShowAndWait(Fl_Window& window) {
    window.show();
    return WaitExposed(window);
}

bool WaitExposed(Fl_Window& window) {
    // Each wait returns as soon as an event arrives; the count only bounds a
    // server that never exposes the window.
    for (int i = 0; i < 400; ++i) {
        Fl_X* x = Fl_X::i(&window);
        if (x && !x->wait_for_expose) {
            Settle();
            return true;
        }
        Fl::wait(0.05);
    }
    ADD_FAILURE() << "window never exposed";
    return false;
}

RgbImage ReadWindow(Fl_Window& window) {
    Settle();
    window.make_current();
    std::vector<uchar> bytes(static_cast<std::size_t>(window.w()) * window.h() * 3);
    fl_read_image(bytes.data(), 0, 0, window.w(), window.h());
    RgbImage image(window.w(), window.h(), Rgb{});
    for (int y = 0; y < window.h(); ++y) {
        for (int x = 0; x < window.w(); ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * window.w() + x) * 3;
            image.Set(x, y, Rgb{bytes[i], bytes[i + 1], bytes[i + 2]});
        }
    }
    return image;
}

Rgb PixelAt(Fl_Window& window, int x, int y) {
    Settle();
    window.make_current();
    uchar p[3] = {};
    fl_read_image(p, x, y, 1, 1);
    return Rgb{p[0], p[1], p[2]};
}

int CountPixels(const RgbImage& image, int left, int top, int width, int height, Rgb colour) {
    return CountPixelsIf(image, left, top, width, height, [colour](Rgb pixel) { return pixel == colour; });
}

int CountPixelsIf(const RgbImage& image, int left, int top, int width, int height,
                  const std::function<bool(Rgb)>& test) {
    int count = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) count += test(image.At(x, y));
    }
    return count;
}

std::pair<int, int> ScreenOrigin(const Fl_Window& window) {
    XSync(fl_display, False);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(fl_display, fl_xid(&window), RootWindow(fl_display, fl_screen), 0, 0, &x, &y,
                          &child);
    return {x, y};
}

bool IsOverrideRedirect(const Fl_Window& window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(fl_display, fl_xid(&window), &attributes);
    return attributes.override_redirect;
}

std::string IconName(const Fl_Window& window) {
    XSync(fl_display, False);
    const Atom property = XInternAtom(fl_display, "_NET_WM_ICON_NAME", False);
    Atom type = 0;
    int format = 0;
    unsigned long length = 0, after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(fl_display, fl_xid(&window), property, 0, 4096, False, AnyPropertyType, &type, &format,
                       &length, &after, &data);
    if (!data) return "";
    std::string name(reinterpret_cast<const char*>(data), length);
    XFree(data);
    return name;
}

void WarpPointer(int screenX, int screenY) {
    XWarpPointer(fl_display, None, RootWindow(fl_display, fl_screen), 0, 0, 0, 0, screenX, screenY);
    XFlush(fl_display);
}

int SendPointer(Fl_Widget& widget, int event, int screenX, int screenY, int button) {
    Fl_Window* window = widget.as_window() ? widget.as_window() : widget.window();
    Fl::e_x_root = screenX;
    Fl::e_y_root = screenY;
    Fl::e_x = screenX - window->x_root();
    Fl::e_y = screenY - window->y_root();
    Fl::e_keysym = FL_Button + button;
    Fl::e_number = event;
    return widget.handle(event);
}

InsideLoop::InsideLoop(std::function<void()> body, std::function<void()> stop)
    : body_(std::move(body)), stop_(std::move(stop)) {
    Fl::add_timeout(0.0, Run, this);
    Fl::add_timeout(kWatchdogSeconds, Watchdog, this);
}

InsideLoop::~InsideLoop() {
    Fl::remove_timeout(Run, this);
    Fl::remove_timeout(Watchdog, this);
}

void InsideLoop::Run(void* self) {
    auto* loop = static_cast<InsideLoop*>(self);
    Fl::remove_timeout(Watchdog, self);
    loop->ran_ = true;
    loop->body_();
    loop->stop_();
}

void InsideLoop::Watchdog(void* self) {
    auto* loop = static_cast<InsideLoop*>(self);
    ADD_FAILURE() << "the loop never ran the test body";
    loop->stop_();
}

Rgb ToRgb(Fl_Color colour) {
    uchar r = 0, g = 0, b = 0;
    Fl::get_color(colour, r, g, b);
    return {r, g, b};
}

}  // namespace lookout::test
