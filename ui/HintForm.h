#pragma once
// The link label's pop-up: a borderless, top-most window that never takes the
// focus, sized to one line of text and painted with it.
#include <string>

#include <FL/Fl_Menu_Window.H>

#include "ui/TextFont.h"

namespace lookout {

class THintForm : public Fl_Menu_Window {
public:
    static constexpr int kPadWidth = 6;   // client width = text width + this
    static constexpr int kPadHeight = 3;  // client height = text height + this
    static constexpr int kTextLeft = 2;
    static constexpr int kTextTop = 2;

    THintForm();

    // Takes the text (Shift-JIS), font and background as they are now, sizes
    // itself to the text and appears with its top-left corner at the given
    // screen point.
    void Popup(int screenLeft, int screenTop, const std::string& text, const TFont& font, Fl_Color background);

    int handle(int event) override;

protected:
    void draw() override;

private:
    std::string utf8_;
    TFont font_;
};

}  // namespace lookout
