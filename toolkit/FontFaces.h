#pragma once
// The system's side of Fonts.h: names the gothic faces for FLTK, once, in the
// font slots given (fontconfig on Linux, GDI on Windows).
#include <FL/Enumerations.H>

namespace lookout {

void RegisterGothicFaces(Fl_Font plain, Fl_Font bold, Fl_Font slot);

// The slot face ever narrower at the same size, widest first, in the font
// slots from `first` on, at most `most` of them; returns how many. None where
// the system's faces cannot be condensed.
int RegisterNarrowSlotFaces(Fl_Font first, int most);

}  // namespace lookout
