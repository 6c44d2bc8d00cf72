#pragma once
// The Japanese proportional gothic face every window draws in: on Windows MS
// PGothic, the face the layouts were made for, or where Windows lacks it IPA
// P Gothic from the file beside the program; elsewhere IPA P Gothic, which is
// metric-compatible with it.
#include <FL/Enumerations.H>

#include <vector>

#include "toolkit/TextFont.h"

namespace lookout {

Fl_Font GothicFont();      // plain
Fl_Font GothicBoldFont();  // bold
// The face for the slot labels, whose widths were measured on MS PGothic's
// narrow bitmaps at 11 pixels: there the plain face. IPA P Gothic is about
// 15% wider ("Game01" would run into the next box), so on Linux it is drawn
// smaller and horizontally condensed.
Fl_Font SlotGothicFont();
// Narrower renderings of a slot label's font, widest first, down to the
// narrowest that stays legible: on Linux the slot face condensed at the same
// size; on Windows, whose faces the toolkit cannot condense, the face smaller.
std::vector<TFont> NarrowerSlotFonts(const TFont& font);

}  // namespace lookout
