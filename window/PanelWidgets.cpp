#include "window/PanelWidgets.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <stdexcept>

#include "platform/DisplayText.h"
#include "toolkit/Fonts.h"
#include "toolkit/HintController.h"
#include "toolkit/TextLine.h"
#include "window/SlotLayout.h"

namespace lookout {

namespace {

constexpr int kLabelFontSize = 11;

// Labels are transparent and lie over the boxes, indicators over the labels:
// a change to any of them must repaint what lies under and over it. The
// window is small, so it is repainted whole (once per event-loop pass).
void RepaintWindow(Fl_Widget* w) {
    if (Fl_Widget* window = w->window()) window->redraw();
}

// The slot box that a panel widget belongs to; none for other widgets.
const BoxShape* BoxOf(const Fl_Widget* widget) {
    if (const auto* box = dynamic_cast<const BoxShape*>(widget)) return box;
    if (const auto* label = dynamic_cast<const SlotLabel*>(widget)) return &label->Box();
    if (const auto* indicator = dynamic_cast<const Indicator*>(widget)) return &indicator->Box();
    return nullptr;
}

}  // namespace

ShapeWidget::ShapeWidget(int x, int y, int w, int h, std::string name)
    : Fl_Widget(x, y, w, h), name_(std::move(name)) {}

void ShapeWidget::SetColour(Rgb colour) {
    if (colour == colour_) return;
    colour_ = colour;
    RepaintWindow(this);
}

void ShapeWidget::draw() {
    fl_color(fl_rgb_color(colour_.r, colour_.g, colour_.b));
    fl_rectf(x() + 1, y() + 1, w() - 2, h() - 2);
    fl_color(FL_BLACK);
    fl_rect(x(), y(), w(), h());
}

BoxShape::BoxShape(int x, int y, std::string name, HintController& hints)
    : ShapeWidget(x, y, kBoxWidth, kBoxHeight, std::move(name)), hints_(hints) {}

int BoxShape::HandlePointer(int event) {
    switch (event) {
        case FL_ENTER:
            hints_.Enter(this, hint_, Fl::event_x_root(), Fl::event_y_root());
            return 1;
        case FL_LEAVE:
            // The toolkit names the new widget under the pointer before it
            // sends the leave: onto another part of this slot the visit goes on.
            if (BoxOf(Fl::belowmouse()) != this) hints_.Leave(this);
            return 1;
        case FL_PUSH:
            hints_.Dismiss(this);
            return 0;
        case FL_MOVE:
            return 1;
        default:
            return 0;
    }
}

SlotLabel::SlotLabel(int x, int y, std::string name, const std::string& sjisText, BoxShape& box, Kind kind)
    : TLabel(x, y, 0, kLabelHeight), name_(std::move(name)), box_(box), kind_(kind) {
    SetTransparent(true);
    // The rows are fixed at 11 pixels; only the width follows the text.
    SetAutoSize(false);
    SetFont(TFont{SlotGothicFont(), kLabelFontSize, FL_BLACK, false});
    SetText(sjisText);
}

Indicator::Indicator(int x, int y, std::string name, BoxShape& box)
    : ShapeWidget(x, y, kIndicatorSize, kIndicatorSize, std::move(name)), box_(box) {}

void SlotLabel::draw() {
    // Inside its box as well as inside itself: a caption wider than the box
    // (the last pixel of "Game02") never marks the next one.
    fl_push_clip(box_.x(), box_.y(), box_.w(), box_.h());
    if (shown_.font == Font()) {
        TLabel::draw();
    } else {
        // Smaller, on the same baseline as the labels beside it.
        const int top = y() + TextAscent(Font()) - TextAscent(shown_.font);
        DrawTextLine(shown_.utf8, shown_.font, shown_.font.color, x(), top);
    }
    fl_pop_clip();
}

void SlotLabel::SetText(const std::string& sjisText) {
    if (sjisText == Caption() && w() > 0) return;
    SetCaption(sjisText);
    const std::string utf8 = SjisToUtf8(sjisText);
    // Up to the box's right frame line, with one column of its fill between.
    const int room = box_.x() + box_.w() - 2 - x();
    static const std::vector<TFont> narrower = NarrowerSlotFonts(Font());  // every slot label has the one font
    shown_ = kind_ == kCount ? FitText(utf8, Font(), narrower, room) : FittedText{utf8, Font()};
    size(TextWidth(shown_.utf8, shown_.font), kLabelHeight);
    RepaintWindow(this);
}

PanelWidgets::PanelWidgets(HintController& hints) {
    // Boxes first, labels over them, indicators over the labels.
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotPlace& at = kSlotPlaces[i];
        slots_[i].box = new BoxShape(at.left, at.top, "S_" + std::string(at.shortName), hints);
    }
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotPlace& at = kSlotPlaces[i];
        const std::string shortName(at.shortName);
        const int x = at.left + kLabelLeft;
        BoxShape& box = *slots_[i].box;
        slots_[i].caption = new SlotLabel(x, at.top + kCaptionTop, std::string(at.captionName),
                                          std::string(kSlots[i].caption), box, SlotLabel::kCaption);
        slots_[i].count1 =
            new SlotLabel(x, at.top + kCount1Top, "L_" + shortName + "1", "0/0", box, SlotLabel::kCount);
        slots_[i].count2 = new SlotLabel(x, at.top + kCount2Top, "L_" + shortName + "2", "0", box, SlotLabel::kCount);
    }
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (!kSlots[i].game) continue;
        const SlotPlace& at = kSlotPlaces[i];
        BoxShape& box = *slots_[i].box;
        const int y = at.top + kIndicatorTop;
        slots_[i].party = new Indicator(at.left + kPartyLeft, y, box.Name() + "PT", box);
        slots_[i].guild = new Indicator(at.left + kGuildLeft, y, box.Name() + "G", box);
    }
}

void PanelWidgets::SetBoxColour(std::size_t slot, Rgb colour) { slots_.at(slot).box->SetColour(colour); }
void PanelWidgets::SetCount1(std::size_t slot, const std::string& text) { slots_.at(slot).count1->SetText(text); }
void PanelWidgets::SetCount2(std::size_t slot, const std::string& text) { slots_.at(slot).count2->SetText(text); }
void PanelWidgets::SetBoxHint(std::size_t slot, const std::string& text) { slots_.at(slot).box->SetHint(text); }

void PanelWidgets::SetPartyColour(std::size_t slot, Rgb colour) {
    if (!slots_.at(slot).party) throw std::out_of_range("not a game slot");
    slots_[slot].party->SetColour(colour);
}

void PanelWidgets::SetGuildColour(std::size_t slot, Rgb colour) {
    if (!slots_.at(slot).guild) throw std::out_of_range("not a game slot");
    slots_[slot].guild->SetColour(colour);
}

}  // namespace lookout
