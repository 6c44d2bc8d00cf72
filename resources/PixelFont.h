#pragma once
// A 5 by 7 pixel font for the few letters the program's pictures carry, so
// the pictures can be drawn without a display or a font file.
#include <string_view>

#include "resources/RgbImage.h"

namespace lookout {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

// Width of the text in pixels, without the gap after its last letter.
int PixelTextWidth(std::string_view text);

// Draws the text with its top-left corner at (left, top). A letter the font
// lacks raises Exception, so a picture never silently loses text.
void DrawPixelText(RgbImage& image, int left, int top, std::string_view text, Rgb colour);

}  // namespace lookout
