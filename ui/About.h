#pragma once
// TLOOK_ABOUT: the credits window. Built hidden at start-up; the main window's
// About button shows it modally with its top-left corner on the main window's.
// It has no buttons: the title bar's close box closes it.
#include <memory>
#include <string>

#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include "ui/Label.h"
#include "ui/URLLink.h"

namespace lookout {

class TLOOK_ABOUT : public Fl_Double_Window {
public:
    static constexpr int kClientWidth = 255;
    static constexpr int kClientHeight = 184;

    // applicationTitle (Shift-JIS) becomes Label1's text.
    explicit TLOOK_ABOUT(const std::string& applicationTitle);
    ~TLOOK_ABOUT() override;

    // Puts the client area's top-left corner at (left, top) on the screen and
    // runs the dialog modally: returns when it has been closed. The other
    // windows take no input meanwhile.
    void ShowModalAt(int left, int top);

    // The widgets, top to bottom; the window owns them.
    TLabel* Label1 = nullptr;  // the application title
    TLabel* Label2 = nullptr;  // the maker's name
    TURLLink* L_URL = nullptr;
    TURLLink* L_EMail = nullptr;
    TLabel* Label5 = nullptr;  // the credit line naming the status service
    TURLLink* URLLink1 = nullptr;
    Fl_Box* Image2 = nullptr;  // the banner, drawn unstretched at its top-left corner

private:
    std::unique_ptr<Fl_RGB_Image> banner_;
};

}  // namespace lookout
