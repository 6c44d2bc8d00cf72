#include "ui/Label.h"

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "platform/DisplayText.h"
#include "toolkit/TextLine.h"

namespace lookout {

TLabel::TLabel(int left, int top, int width, int height) : Fl_Box(FL_FLAT_BOX, left, top, width, height, nullptr) {}

void TLabel::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    captionUtf8_ = SjisToUtf8(value);
    FitToText();
}

void TLabel::SetFont(const TFont& value) {
    if (font_ == value) return;
    font_ = value;
    FitToText();
}

void TLabel::SetColor(Fl_Color value) {
    if (color() == value) return;
    color(value);
    Repaint();
}

void TLabel::SetTransparent(bool value) {
    if (Transparent() == value) return;
    box(value ? FL_NO_BOX : FL_FLAT_BOX);
    Repaint();
}

void TLabel::SetAutoSize(bool value) {
    if (autoSize_ == value) return;
    autoSize_ = value;
    FitToText();
}

void TLabel::PaintTextIn(Fl_Color color) {
    font_.color = color;
    Repaint();
}

void TLabel::Repaint() {
    // Without a box of its own the label's background is its window's, so the
    // window has to repaint that area first.
    if (box() == FL_NO_BOX && window()) {
        window()->damage(FL_DAMAGE_ALL, x(), y(), w(), h());
    } else {
        redraw();
    }
}

void TLabel::FitToText() {
    Repaint();
    if (!autoSize_) return;
    const int width = TextWidth(captionUtf8_, font_);
    // A right-justified label keeps its right edge, the others their left.
    const int left = alignment_ == taRightJustify ? x() + w() - width : x();
    resize(left, y(), width, TextHeight(font_));
    Repaint();
}

void TLabel::draw() {
    draw_box();
    const int width = TextWidth(captionUtf8_, font_);
    int left = x();
    if (alignment_ == taRightJustify) left = x() + w() - width;
    if (alignment_ == taCenter) left = x() + (w() - width) / 2;
    fl_push_clip(x(), y(), w(), h());
    DrawTextLine(captionUtf8_, font_, active_r() ? font_.color : fl_inactive(font_.color), left, y());
    fl_pop_clip();
}

}  // namespace lookout
