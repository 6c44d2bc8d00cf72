#include "platform/Fonts.h"

#include <FL/Fl.H>

namespace lookout {

namespace {

// FLTK's Xft names: a leading blank means plain, "B" bold.
constexpr Fl_Font kPlain = FL_FREE_FONT;
constexpr Fl_Font kBold = FL_FREE_FONT + 1;

void Register() {
    static const bool registered = [] {
        Fl::set_font(kPlain, " IPAPGothic");
        Fl::set_font(kBold, "BIPAPGothic");
        return true;
    }();
    (void)registered;
}

}  // namespace

Fl_Font GothicFont() {
    Register();
    return kPlain;
}

Fl_Font GothicBoldFont() {
    Register();
    return kBold;
}

}  // namespace lookout
