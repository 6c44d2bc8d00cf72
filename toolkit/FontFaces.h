#pragma once
// The system's side of Fonts.h: names the gothic faces for FLTK, once, in the
// three font slots given (fontconfig on Linux, GDI on Windows).
#include <FL/Enumerations.H>

namespace lookout {

void RegisterGothicFaces(Fl_Font plain, Fl_Font bold, Fl_Font slot);

}  // namespace lookout
