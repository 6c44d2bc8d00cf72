#include "toolkit/TextLine.h"

#include <FL/fl_draw.H>
#include <FL/x.H>

#include <cmath>

namespace lookout {

namespace {

void Select(const TFont& font) {
    // Measuring may happen before any window is shown; Xft needs the display.
    fl_open_display();
    fl_font(font.face, font.size);
}

int Width(std::string_view utf8) {
    return static_cast<int>(std::lround(fl_width(utf8.data(), static_cast<int>(utf8.size()))));
}

}  // namespace

int TextWidth(std::string_view utf8, const TFont& font) {
    Select(font);
    return Width(utf8);
}

int TextHeight(const TFont& font) {
    Select(font);
    return fl_height();
}

int TextAscent(const TFont& font) {
    Select(font);
    return fl_height() - fl_descent();
}

FittedText FitText(std::string_view utf8, const TFont& font, const std::vector<TFont>& narrower, int room) {
    FittedText fitted{std::string(utf8), font};
    if (TextWidth(utf8, font) <= room) return fitted;
    for (const TFont& rendering : narrower) {
        fitted.font = rendering;
        if (TextWidth(utf8, rendering) <= room) return fitted;
    }
    constexpr std::string_view kEndMark = "\xE2\x80\xA6";  // U+2026, the ellipsis
    std::size_t keep = utf8.size();
    do {
        // Back to the start of the character before: never inside one.
        while (keep > 0 && (static_cast<unsigned char>(utf8[--keep]) & 0xC0) == 0x80) {
        }
        fitted.utf8.assign(utf8.substr(0, keep)).append(kEndMark);
    } while (keep > 0 && TextWidth(fitted.utf8, fitted.font) > room);
    return fitted;
}

void DrawTextLine(std::string_view utf8, const TFont& font, Fl_Color color, int left, int top) {
    fl_font(font.face, font.size);
    fl_color(color);
    const int baseline = top + fl_height() - fl_descent();
    fl_draw(utf8.data(), static_cast<int>(utf8.size()), left, baseline);
    if (font.underline && !utf8.empty()) fl_xyline(left, baseline + 1, left + Width(utf8) - 1);
}

}  // namespace lookout
