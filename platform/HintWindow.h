#pragma once
// The pop-up that draws a hint: borderless, above everything, never focused.
#include <FL/Fl_Menu_Window.H>

#include <string>

namespace lookout {

class HintWindow : public Fl_Menu_Window {
public:
    HintWindow();
    // Sizes the window to the text (Shift-JIS, may hold line feeds) and
    // places its top-left corner at the screen position.
    void ShowText(const std::string& sjisText, int screenX, int screenY);
    const std::string& Utf8Text() const { return utf8_; }

protected:
    void draw() override;

private:
    std::string utf8_;
};

}  // namespace lookout
