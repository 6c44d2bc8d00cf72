#pragma once
// The Japanese proportional gothic face every window draws in (IPA P Gothic,
// metric-compatible with the face the layouts were made for).
#include <FL/Enumerations.H>

namespace lookout {

Fl_Font GothicFont();      // plain
Fl_Font GothicBoldFont();  // bold
// The same face, smaller and horizontally condensed, for the slot labels: the
// slot table's label widths were measured on a narrow bitmap face, and at 11
// pixels this one is about 15% wider ("Game01" would run into the next box).
Fl_Font SlotGothicFont();

}  // namespace lookout
