#include "ui/URLLink.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>

#include "toolkit/TextPopup.h"

namespace lookout {

namespace {

std::unique_ptr<TextPopup> MakeTopLevelHintForm() {
    // A window made while a group is open would become that group's child.
    Fl_Group* const open = Fl_Group::current();
    Fl_Group::current(nullptr);
    auto form = std::make_unique<TextPopup>();
    Fl_Group::current(open);
    return form;
}

}  // namespace

TURLLink::TURLLink(int left, int top, int width, int height)
    : TLabel(left, top, width, height),
      hint_(MakeTopLevelHintForm()),
      rememberedColor_(fl_rgb_color(0, 0, 255)),
      hintFormColor_(Fl_Tooltip::color()),
      linkColor_(fl_rgb_color(255, 0, 0)) {
    TFont font = Font();
    font.color = fl_rgb_color(0, 0, 255);
    SetFont(font);
}

TURLLink::~TURLLink() = default;

Fl_Window& TURLLink::HintForm() { return *hint_; }

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
        // A window hidden under the pointer sends no leave: end the visit
        // here, or the link would keep LinkColor and its pop-up.
        MouseLeave();
        break;
    }
    return TLabel::handle(event);
}

void TURLLink::MouseEnter() {
    // An enter without a leave before it would remember LinkColor itself.
    if (!hovering_) rememberedColor_ = Font().color;
    hovering_ = true;
    if (window()) window()->cursor(FL_CURSOR_HAND);
    PaintTextIn(linkColor_);
}

void TURLLink::MouseLeave() {
    if (hovering_) {
        hovering_ = false;
        if (window()) window()->cursor(FL_CURSOR_DEFAULT);
        PaintTextIn(rememberedColor_);
    }
    HideHint();
}

void TURLLink::MouseMove(int screenX, int screenY) {
    if (!enableShowHint_ || hintShown_) return;
    // One line, flat, 6 pixels wider and 3 higher than the text, drawn at (2, 2).
    const TextPopupLook look{.font = hintFormFont_,
                             .background = hintFormColor_,
                             .box = FL_FLAT_BOX,
                             .padWidth = 6,
                             .padHeight = 3,
                             .textLeft = 2,
                             .textTop = 2,
                             .keepOnScreen = false};
    hint_->Popup(link_, screenX + hintOffsetX_, screenY + hintOffsetY_, look);
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

}  // namespace lookout
