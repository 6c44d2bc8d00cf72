#include "toolkit/TextPopup.h"

#include <FL/Fl.H>

#include <algorithm>

#include "platform/DisplayText.h"
#include "platform/StringList.h"
#include "toolkit/TextLine.h"

namespace lookout {

TextPopup::TextPopup() : Fl_Menu_Window(1, 1) {
    // Override-redirect: no frame, no window manager placement, above the
    // normal windows, and never given the keyboard focus.
    set_override();
    set_tooltip_window();
    end();
}

void TextPopup::Popup(const std::string& sjisText, int screenLeft, int screenTop, const TextPopupLook& look) {
    utf8_ = SjisToUtf8(sjisText);
    look_ = look;
    box(look.box);
    color(look.background);
    const std::vector<std::string> lines = SplitLines(utf8_);
    int width = 0;
    for (const std::string& line : lines) width = std::max(width, TextWidth(line, look.font));
    width += look.padWidth;
    const int lineCount = static_cast<int>(std::max<std::size_t>(lines.size(), 1));  // an empty text is one line
    const int height = lineCount * TextHeight(look.font) + look.padHeight;
    if (look.keepOnScreen) {
        screenLeft = std::max(0, std::min(screenLeft, Fl::w() - width));
        screenTop = std::max(0, std::min(screenTop, Fl::h() - height));
    }
    resize(screenLeft, screenTop, width, height);
    force_position(1);  // at the point given, not where the toolkit would choose
    show();
    redraw();
}

int TextPopup::handle(int event) {
    // It only displays text: it accepts neither the focus nor clicks.
    if (event == FL_FOCUS || event == FL_PUSH) return 0;
    return Fl_Menu_Window::handle(event);
}

void TextPopup::draw() {
    // A window's x() and y() are its place on the screen; it draws from 0, 0.
    draw_box(box(), 0, 0, w(), h(), color());
    const int lineHeight = TextHeight(look_.font);
    int top = look_.textTop;
    for (const std::string& line : SplitLines(utf8_)) {
        DrawTextLine(line, look_.font, look_.font.color, look_.textLeft, top);
        top += lineHeight;
    }
}

}  // namespace lookout
