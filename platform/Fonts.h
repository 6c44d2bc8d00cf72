#pragma once
// The Japanese proportional gothic face every window draws in (IPA P Gothic,
// metric-compatible with the face the layouts were made for).
#include <FL/Enumerations.H>

namespace lookout {

Fl_Font GothicFont();      // plain
Fl_Font GothicBoldFont();  // bold

}  // namespace lookout
