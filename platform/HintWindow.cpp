#include "platform/HintWindow.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/DisplayText.h"
#include "platform/Fonts.h"

namespace lookout {

namespace {
constexpr int kFontSize = 12;
constexpr int kPadX = 3, kPadY = 2;
const Fl_Color kHintBackground = fl_rgb_color(255, 255, 225);
}  // namespace

HintWindow::HintWindow() : Fl_Menu_Window(1, 1) {
    set_override();
    set_tooltip_window();
    clear_border();
    end();
}

void HintWindow::ShowText(const std::string& sjisText, int screenX, int screenY) {
    utf8_ = SjisToUtf8(sjisText);
    fl_font(GothicFont(), kFontSize);
    int w = 0, h = 0;
    fl_measure(utf8_.c_str(), w, h, 0);
    w += kPadX * 2 + 2;
    h += kPadY * 2 + 2;
    // Keep the pop-up on the screen.
    screenX = std::max(0, std::min(screenX, Fl::w() - w));
    screenY = std::max(0, std::min(screenY, Fl::h() - h));
    resize(screenX, screenY, w, h);
    show();
    redraw();
}

void HintWindow::draw() {
    fl_color(kHintBackground);
    fl_rectf(0, 0, w(), h());
    fl_color(FL_BLACK);
    fl_rect(0, 0, w(), h());
    fl_font(GothicFont(), kFontSize);
    fl_draw(utf8_.c_str(), kPadX + 1, kPadY + 1, w() - 2 * kPadX - 2, h() - 2 * kPadY - 2,
            FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE, nullptr, 0);
}

}  // namespace lookout
