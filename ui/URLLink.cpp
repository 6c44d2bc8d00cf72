#include "ui/URLLink.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "platform/DisplayText.h"
#include "ui/HintForm.h"
#include "ui/TextLine.h"

namespace lookout {

namespace {

std::unique_ptr<THintForm> MakeTopLevelHintForm() {
    // A window made while a group is open would become that group's child.
    Fl_Group* const open = Fl_Group::current();
    Fl_Group::current(nullptr);
    auto form = std::make_unique<THintForm>();
    Fl_Group::current(open);
    return form;
}

}  // namespace

TURLLink::TURLLink(int left, int top, int width, int height)
    : Fl_Box(FL_FLAT_BOX, left, top, width, height, nullptr),
      hint_(MakeTopLevelHintForm()),
      rememberedColor_(fl_rgb_color(0, 0, 255)),
      hintFormColor_(Fl_Tooltip::color()),
      linkColor_(fl_rgb_color(255, 0, 0)) {
    font_.color = fl_rgb_color(0, 0, 255);
}

TURLLink::~TURLLink() = default;

const Fl_Window& TURLLink::HintForm() const { return *hint_; }

void TURLLink::SetCaption(const std::string& value) {
    if (caption_ == value) return;
    caption_ = value;
    captionUtf8_ = SjisToUtf8(value);
    FitToText();
}

void TURLLink::SetFont(const TFont& value) {
    if (font_ == value) return;
    font_ = value;
    FitToText();
}

void TURLLink::SetColor(Fl_Color value) {
    if (color() == value) return;
    color(value);
    Repaint();
}

void TURLLink::SetTransparent(bool value) {
    if (Transparent() == value) return;
    box(value ? FL_NO_BOX : FL_FLAT_BOX);
    Repaint();
}

void TURLLink::SetAutoSize(bool value) {
    if (autoSize_ == value) return;
    autoSize_ = value;
    FitToText();
}

void TURLLink::Repaint() {
    // Without a box of its own the label's background is its window's, so the
    // window has to repaint that area first.
    if (box() == FL_NO_BOX && window()) {
        window()->damage(FL_DAMAGE_ALL, x(), y(), w(), h());
    } else {
        redraw();
    }
}

void TURLLink::FitToText() {
    Repaint();
    if (!autoSize_) return;
    const int width = TextWidth(captionUtf8_, font_);
    // A right-justified label keeps its right edge, the others their left.
    const int left = alignment_ == taRightJustify ? x() + w() - width : x();
    resize(left, y(), width, TextHeight(font_));
    Repaint();
}

int TURLLink::handle(int event) {
    switch (event) {
    case FL_ENTER:
        MouseEnter();
        // The motion that brought the mouse in is its first move over the label.
        MouseMove(Fl::event_x_root(), Fl::event_y_root());
        return 1;
    case FL_MOVE:
        MouseMove(Fl::event_x_root(), Fl::event_y_root());
        return 1;
    case FL_LEAVE:
        MouseLeave();
        return 1;
    case FL_PUSH:
        MouseDown(Fl::event_button());
        return 1;
    case FL_HIDE:
        // A pop-up must not outlive the label's presence on screen.
        HideHint();
        break;
    }
    return Fl_Box::handle(event);
}

void TURLLink::MouseEnter() {
    hovering_ = true;
    rememberedColor_ = font_.color;
    font_.color = linkColor_;
    if (window()) window()->cursor(FL_CURSOR_HAND);
    Repaint();
}

void TURLLink::MouseLeave() {
    if (hovering_) {
        hovering_ = false;
        font_.color = rememberedColor_;
        if (window()) window()->cursor(FL_CURSOR_DEFAULT);
        Repaint();
    }
    HideHint();
}

void TURLLink::MouseMove(int screenX, int screenY) {
    if (!enableShowHint_ || hintShown_) return;
    hint_->Popup(screenX + hintOffsetX_, screenY + hintOffsetY_, link_, hintFormFont_, hintFormColor_);
    hintShown_ = true;
}

void TURLLink::MouseDown(int button) {
    Repaint();
    if (button != FL_LEFT_MOUSE) return;
    opener_(urlType_ == tpMAIL ? "mailto:" + link_ : link_);
    HideHint();
}

void TURLLink::HideHint() {
    if (!hintShown_) return;
    hint_->hide();
    hintShown_ = false;
}

void TURLLink::draw() {
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
