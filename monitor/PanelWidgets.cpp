#include "monitor/PanelWidgets.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <stdexcept>

#include "platform/DisplayText.h"
#include "platform/Fonts.h"
#include "platform/Hints.h"
#include "ui/TextLine.h"

namespace lookout {

namespace {

constexpr int kLabelFontSize = 11;

// Labels are transparent and lie over the boxes, indicators over the labels:
// a change to any of them must repaint what lies under and over it. The
// window is small, so it is repainted whole (once per event-loop pass).
void RepaintWindow(Fl_Widget* w) {
    if (Fl_Widget* window = w->window()) window->redraw();
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

int BoxShape::handle(int event) {
    switch (event) {
        case FL_ENTER:
            hints_.Enter(this, hint_, Fl::event_x_root(), Fl::event_y_root());
            return 1;
        case FL_LEAVE:
        case FL_PUSH:
            hints_.Leave(this);
            return event == FL_LEAVE;
        case FL_MOVE:
            return 1;
        default:
            return ShapeWidget::handle(event);
    }
}

SlotLabel::SlotLabel(int x, int y, std::string name, const std::string& sjisText)
    : TLabel(x, y, 0, kLabelHeight), name_(std::move(name)) {
    SetTransparent(true);
    // The rows are fixed at 11 pixels; only the width follows the text.
    SetAutoSize(false);
    SetFont(TFont{SlotGothicFont(), kLabelFontSize, FL_BLACK, false});
    SetText(sjisText);
}

void SlotLabel::SetText(const std::string& sjisText) {
    if (sjisText == Caption() && w() > 0) return;
    SetCaption(sjisText);
    size(TextWidth(SjisToUtf8(sjisText), Font()), kLabelHeight);
    RepaintWindow(this);
}

PanelWidgets::PanelWidgets(HintController& hints) {
    // Boxes first, labels over them, indicators over the labels.
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotDef& def = kSlots[i];
        slots_[i].box = new BoxShape(def.left, def.top, "S_" + std::string(def.shortName), hints);
    }
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotDef& def = kSlots[i];
        const std::string shortName(def.shortName);
        const int x = def.left + kLabelLeft;
        slots_[i].caption = new SlotLabel(x, def.top + kCaptionTop, std::string(def.captionName),
                                          std::string(def.caption));
        slots_[i].count1 = new SlotLabel(x, def.top + kCount1Top, "L_" + shortName + "1", "0/0");
        slots_[i].count2 = new SlotLabel(x, def.top + kCount2Top, "L_" + shortName + "2", "0");
    }
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotDef& def = kSlots[i];
        if (!def.game) continue;
        const std::string box = "S_" + std::string(def.shortName);
        const int y = def.top + kIndicatorTop;
        slots_[i].party = new ShapeWidget(def.left + kPartyLeft, y, kIndicatorSize, kIndicatorSize, box + "PT");
        slots_[i].guild = new ShapeWidget(def.left + kGuildLeft, y, kIndicatorSize, kIndicatorSize, box + "G");
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
