#pragma once
// One line of text in a TFont: measuring it and drawing it. Texts are UTF-8
// here: callers convert at the display boundary first.
#include <string_view>

#include "toolkit/TextFont.h"

namespace lookout {

// Whole pixels, as the widgets lay text out on a pixel grid.
int TextWidth(std::string_view utf8, const TFont& font);
int TextHeight(const TFont& font);  // line height: ascent + descent

// Draws the text in the font's colour with the top of its line at `top`,
// underlined when the font says so. Only inside a widget's draw().
void DrawTextLine(std::string_view utf8, const TFont& font, Fl_Color color, int left, int top);

}  // namespace lookout
