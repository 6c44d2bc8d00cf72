// The baseline the program's start-up and memory are measured against: a bare
// FLTK window with the main window's widgets (26 boxes, 78 labels, 30
// indicators, 3 buttons) in the same places, face and sizes, and nothing
// else. Once drawn, its title gains " (drawn)", which the watcher waits for.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>

#include <string>
#include <utility>

#include "monitor/SlotTable.h"
#include "window/SlotLayout.h"
#include "toolkit/Fonts.h"

namespace {

using namespace lookout;

// As the main window has them (the slot labels and the buttons).
constexpr int kLabelFontSize = 11;
constexpr int kButtonFontSize = 12;

class BareWindow : public Fl_Double_Window {
public:
    using Fl_Double_Window::Fl_Double_Window;

protected:
    void draw() override {
        Fl_Double_Window::draw();
        if (!drawn_) {
            drawn_ = true;
            Fl::add_timeout(0.0, [](void* w) { static_cast<Fl_Window*>(w)->label("Lookout 050504 (drawn)"); }, this);
        }
    }

private:
    bool drawn_ = false;
};

void Shape(int x, int y, int w, int h) {
    auto* box = new Fl_Box(FL_BORDER_BOX, x, y, w, h, nullptr);
    box->color(FL_WHITE);
}

void Label(int x, int y, const char* text) {
    auto* label = new Fl_Box(FL_NO_BOX, x, y, 0, kLabelHeight, text);
    label->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    label->labelfont(SlotGothicFont());
    label->labelsize(kLabelFontSize);
    int w = 0, h = 0;
    label->measure_label(w, h);
    label->size(w, kLabelHeight);
}

void Button(int x, int y, int w, int h, const char* text) {
    auto* button = new Fl_Button(x, y, w, h, text);
    button->labelfont(GothicFont());
    button->labelsize(kButtonFontSize);
}

}  // namespace

int main() {
    BareWindow window(600, 64, "Lookout 050504");
    for (const SlotPlace& at : kSlotPlaces) Shape(at.left, at.top, kBoxWidth, kBoxHeight);
    static std::string captions[kSlotCount];
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotPlace& at = kSlotPlaces[i];
        captions[i] = kSlots[i].caption;
        Label(at.left + kLabelLeft, at.top + kCaptionTop, captions[i].c_str());
        Label(at.left + kLabelLeft, at.top + kCount1Top, "0/0");
        Label(at.left + kLabelLeft, at.top + kCount2Top, "0");
    }
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (!kSlots[i].game) continue;
        const SlotPlace& at = kSlotPlaces[i];
        Shape(at.left + kPartyLeft, at.top + kIndicatorTop, kIndicatorSize, kIndicatorSize);
        Shape(at.left + kGuildLeft, at.top + kIndicatorTop, kIndicatorSize, kIndicatorSize);
    }
    const std::pair<WidgetRect, const char*> buttons[] = {
        {kReloadRect, "Reload"}, {kJumpUrlRect, "Site"}, {kAboutRect, "About"}};
    for (const auto& [at, caption] : buttons) Button(at.left, at.top, at.width, at.height, caption);
    window.end();
    window.show();
    return Fl::run();
}
