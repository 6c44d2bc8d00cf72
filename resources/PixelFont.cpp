#include "resources/PixelFont.h"

#include <array>

#include "platform/Exception.h"

namespace lookout {

namespace {

struct Glyph {
    char letter;
    std::array<const char*, kGlyphHeight> rows;
};

// The letters of the project's name; '#' is an inked pixel.
constexpr std::array kGlyphs{
    Glyph{'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    Glyph{'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    Glyph{'k', {"#....", "#....", "#...#", "#..#.", "###..", "#..#.", "#...#"}},
    Glyph{'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    Glyph{'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
};

const Glyph& Find(char letter) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter) return glyph;
    }
    throw Exception(std::string("no glyph for '") + letter + "'");
}

}  // namespace

int PixelTextWidth(std::string_view text) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * kGlyphAdvance - 1;
}

void DrawPixelText(RgbImage& image, int left, int top, std::string_view text, Rgb colour) {
    int x = left;
    for (const char letter : text) {
        const Glyph& glyph = Find(letter);
        for (int row = 0; row < kGlyphHeight; ++row) {
            for (int column = 0; column < kGlyphWidth; ++column) {
                if (glyph.rows[row][column] == '#') image.Set(x + column, top + row, colour);
            }
        }
        x += kGlyphAdvance;
    }
}

}  // namespace lookout
