#pragma once
// One line of text in a TFont: measuring it and drawing it. Texts are UTF-8
// here: callers convert at the display boundary first.
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/TextFont.h"

namespace lookout {

// Whole pixels, as the widgets lay text out on a pixel grid.
int TextWidth(std::string_view utf8, const TFont& font);
int TextHeight(const TFont& font);  // line height: ascent + descent
int TextAscent(const TFont& font);  // top of the line to the baseline

// A text that must fit in `room` pixels: as it is when it fits; else in the
// first of the narrower renderings that holds it whole; else in the last of
// them, cut after a whole character and ended by "…", so that it never ends
// on part of a glyph or of a number.
struct FittedText {
    std::string utf8;
    TFont font;
};
FittedText FitText(std::string_view utf8, const TFont& font, const std::vector<TFont>& narrower, int room);

// Draws the text in the font's colour with the top of its line at `top`,
// underlined when the font says so. Only inside a widget's draw().
void DrawTextLine(std::string_view utf8, const TFont& font, Fl_Color color, int left, int top);

}  // namespace lookout
