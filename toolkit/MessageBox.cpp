#include "toolkit/MessageBox.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "platform/DisplayText.h"
#include "platform/Exception.h"
#include "toolkit/Fonts.h"

namespace lookout {

namespace {

constexpr int kMargin = 12, kIconSize = 32, kButtonWidth = 75, kButtonHeight = 23;
constexpr int kFontSize = 12;

// A red disc with a white cross: the stop sign of an error box.
class StopIcon : public Fl_Box {
public:
    StopIcon(int x, int y) : Fl_Box(x, y, kIconSize, kIconSize) {}
    void draw() override {
        fl_color(fl_rgb_color(200, 0, 0));
        fl_pie(x(), y(), w(), h(), 0, 360);
        fl_color(FL_WHITE);
        fl_line_style(FL_SOLID, 3);
        const int in = w() / 4;
        fl_line(x() + in, y() + in, x() + w() - in, y() + h() - in);
        fl_line(x() + w() - in, y() + in, x() + in, y() + h() - in);
        fl_line_style(0);
    }
};

// The message exactly as it stands: a toolkit label would read "@" as the
// start of a symbol and drop it with what follows.
class MessageText : public Fl_Widget {
public:
    MessageText(int x, int y, int w, int h, const std::string& utf8) : Fl_Widget(x, y, w, h), utf8_(utf8) {}
    void draw() override {
        fl_font(GothicFont(), kFontSize);
        fl_color(FL_FOREGROUND_COLOR);
        fl_draw(utf8_.c_str(), x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP, nullptr, 0);
    }

private:
    std::string utf8_;
};

}  // namespace

MessageBoxWindow::MessageBoxWindow(const std::string& title, const std::string& text, MessageIcon icon)
    : Fl_Double_Window(100, 100), text_(text), utf8Text_(SjisToUtf8(text)), icon_(icon) {
    copy_label(SjisToUtf8(title).c_str());
    fl_font(GothicFont(), kFontSize);
    int textW = 0, textH = 0;
    fl_measure(utf8Text_.c_str(), textW, textH, 0);
    const int iconW = icon == MessageIcon::Stop ? kIconSize + kMargin : 0;
    const int contentH = std::max(textH, icon == MessageIcon::Stop ? kIconSize : 0);
    const int width = std::max(kMargin * 2 + iconW + textW, kButtonWidth + kMargin * 2);
    const int height = kMargin * 3 + contentH + kButtonHeight;
    size(width, height);

    begin();
    if (icon == MessageIcon::Stop) new StopIcon(kMargin, kMargin);
    new MessageText(kMargin + iconW, kMargin, textW, contentH, utf8Text_);
    auto* ok = new Fl_Return_Button((width - kButtonWidth) / 2, height - kMargin - kButtonHeight, kButtonWidth,
                                    kButtonHeight, "OK");
    ok->labelfont(GothicFont());
    ok->labelsize(kFontSize);
    ok->callback([](Fl_Widget* w, void*) { w->window()->hide(); });
    end();

    position((Fl::w() - width) / 2, (Fl::h() - height) / 2);
    set_modal();
}

void MessageBoxWindow::PressOk() { hide(); }

void ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
    MessageBoxWindow box(title, text, icon);
    box.show();
    while (box.shown()) Fl::wait();
}

std::string ErrorBoxText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
    return message;
}

void ShowErrorBox(const std::string& title, const std::string& message) {
    ShowMessageBox(title, ErrorBoxText(message), MessageIcon::Stop);
}

void ShowErrorBox(const std::string& title, const std::exception& error) {
    const auto* own = dynamic_cast<const Exception*>(&error);
    ShowErrorBox(title, own ? own->Message() : std::string(error.what()));
}

}  // namespace lookout
