#pragma once
// The framework's modal boxes: a text, an OK button, a title, centred on the
// screen. Texts are Shift-JIS and converted for display here.
#include <FL/Fl_Double_Window.H>

#include <exception>
#include <string>

namespace lookout {

enum class MessageIcon { Plain, Stop };

// Blocks (dispatching events) until the box is closed.
void ShowMessageBox(const std::string& title, const std::string& text, MessageIcon icon = MessageIcon::Plain);

// The error box's text: the message with "." appended when it is not empty
// and its last character sorts after ".".
std::string ErrorBoxText(const std::string& message);
void ShowErrorBox(const std::string& title, const std::string& message);
// An error that escaped: our exceptions show their message, others what().
void ShowErrorBox(const std::string& title, const std::exception& error);

// The box while it is open, so that tests can read and close it.
class MessageBoxWindow : public Fl_Double_Window {
public:
    MessageBoxWindow(const std::string& title, const std::string& text, MessageIcon icon);
    const std::string& Text() const { return text_; }  // Shift-JIS, as given
    MessageIcon Icon() const { return icon_; }
    void PressOk();

private:
    std::string text_;
    std::string utf8Text_;
    MessageIcon icon_;
};

}  // namespace lookout
