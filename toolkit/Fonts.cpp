#include "toolkit/Fonts.h"

#include "toolkit/FontFaces.h"

namespace lookout {

namespace {

constexpr Fl_Font kPlain = FL_FREE_FONT;
constexpr Fl_Font kBold = FL_FREE_FONT + 1;
constexpr Fl_Font kSlot = FL_FREE_FONT + 2;

void Register() {
    static const bool registered = (RegisterGothicFaces(kPlain, kBold, kSlot), true);
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

Fl_Font SlotGothicFont() {
    Register();
    return kSlot;
}

}  // namespace lookout
