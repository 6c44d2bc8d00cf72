#include "ui/HintForm.h"

#include "platform/DisplayText.h"
#include "ui/TextLine.h"

namespace lookout {

THintForm::THintForm() : Fl_Menu_Window(1, 1) {
    // Override-redirect: no frame, no window manager placement, above the
    // normal windows, and never given the keyboard focus.
    set_override();
    set_tooltip_window();
    box(FL_FLAT_BOX);
    end();
}

void THintForm::Popup(int screenLeft, int screenTop, const std::string& text, const TFont& font,
                      Fl_Color background) {
    utf8_ = SjisToUtf8(text);
    font_ = font;
    color(background);
    resize(screenLeft, screenTop, TextWidth(utf8_, font_) + kPadWidth, TextHeight(font_) + kPadHeight);
    force_position(1);  // at the point given, not where the toolkit would choose
    show();
}

int THintForm::handle(int event) {
    // It only displays text: it accepts neither the focus nor clicks.
    if (event == FL_FOCUS || event == FL_PUSH) return 0;
    return Fl_Menu_Window::handle(event);
}

void THintForm::draw() {
    draw_box();
    DrawTextLine(utf8_, font_, font_.color, kTextLeft, kTextTop);
}

}  // namespace lookout
