#pragma once
// A pop-up that shows a text: a borderless window above everything that
// never takes the focus or a click. Each user states its look; the window
// sizes itself to the text, one line or several (line feeds).
#include <FL/Fl_Menu_Window.H>

#include <string>

#include "toolkit/TextFont.h"

namespace lookout {

struct TextPopupLook {
    TFont font;                      // face, size and the text's colour
    Fl_Color background = FL_WHITE;
    Fl_Boxtype box = FL_FLAT_BOX;    // FL_BORDER_BOX adds a 1-pixel black frame
    int padWidth = 0;                // window width = widest line + this
    int padHeight = 0;               // window height = lines x line height + this
    int textLeft = 0, textTop = 0;   // where the first line starts
    bool keepOnScreen = false;       // pull the window back inside the screen
};

class TextPopup : public Fl_Menu_Window {
public:
    TextPopup();

    // Takes the text (Shift-JIS) and look as they are now, sizes itself to
    // the text and appears with its top-left corner at the screen point.
    void Popup(const std::string& sjisText, int screenLeft, int screenTop, const TextPopupLook& look);
    const std::string& Utf8Text() const { return utf8_; }

    int handle(int event) override;

protected:
    void draw() override;

private:
    std::string utf8_;
    TextPopupLook look_;
};

}  // namespace lookout
