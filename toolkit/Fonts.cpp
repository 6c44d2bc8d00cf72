#include "toolkit/Fonts.h"

#include "toolkit/FontFaces.h"

namespace lookout {

namespace {

constexpr Fl_Font kPlain = FL_FREE_FONT;
constexpr Fl_Font kBold = FL_FREE_FONT + 1;
constexpr Fl_Font kSlot = FL_FREE_FONT + 2;
constexpr Fl_Font kNarrow = FL_FREE_FONT + 3;  // and on, up to kMostNarrow of them
constexpr int kMostNarrow = 4;
// Where faces cannot be condensed, the smallest size a count is drawn in.
constexpr Fl_Fontsize kSmallestSize = 8;

// How many narrow faces the system gave.
int Register() {
    static const int narrow =
        (RegisterGothicFaces(kPlain, kBold, kSlot), RegisterNarrowSlotFaces(kNarrow, kMostNarrow));
    return narrow;
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

std::vector<TFont> NarrowerSlotFonts(const TFont& font) {
    const int narrow = Register();
    std::vector<TFont> fonts;
    TFont next = font;
    for (int i = 0; i < narrow; ++i) {
        next.face = kNarrow + i;
        fonts.push_back(next);
    }
    for (next.size = font.size - 1; narrow == 0 && next.size >= kSmallestSize; --next.size) fonts.push_back(next);
    return fonts;
}

}  // namespace lookout
