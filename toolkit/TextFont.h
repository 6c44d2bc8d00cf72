#pragma once
// A text font as one value: face, size, colour and underline, the parts
// labels, link labels and pop-ups set together.
#include <FL/Enumerations.H>

namespace lookout {

struct TFont {
    Fl_Font face = FL_HELVETICA;
    Fl_Fontsize size = 14;  // FLTK's normal size
    Fl_Color color = FL_FOREGROUND_COLOR;
    bool underline = false;
    friend bool operator==(const TFont&, const TFont&) = default;
};

}  // namespace lookout
