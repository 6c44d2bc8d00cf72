#include "resources/Pictures.h"

#include <algorithm>
#include <array>

#include "credits/Credits.h"
#include "resources/PixelFont.h"

namespace lookout {

RgbImage DrawBanner() {
    RgbImage banner(kBannerWidth, kBannerHeight, kBannerBackground);
    banner.FrameRect(0, 0, kBannerWidth, kBannerHeight, kBannerInk);
    const int left = kBannerWidth - kBannerMargin - PixelTextWidth(credits::kProjectName);
    const int top = kBannerHeight - kBannerMargin - kGlyphHeight;
    DrawPixelText(banner, left, top, credits::kProjectName, kBannerInk);
    return banner;
}

RgbImage DrawIcon(int size) {
    constexpr Rgb kGround{32, 40, 56};
    constexpr Rgb kFrame{0, 0, 0};
    // Row by row: a mostly healthy rack with one busy and one down server.
    constexpr std::array<Rgb, 9> kFills{{
        {64, 192, 64}, {64, 192, 64}, {240, 200, 40},
        {64, 192, 64}, {80, 140, 255}, {64, 192, 64},
        {224, 48, 48}, {64, 192, 64}, {64, 192, 64},
    }};
    // At 32 pixels: margin 2, boxes 8 with gaps of 2, frames 1 thick.
    const int margin = size / 16, box = size / 4, gap = size / 16, frame = std::max(1, size / 32);
    RgbImage icon(size, size, kGround);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int left = margin + column * (box + gap);
            const int top = margin + row * (box + gap);
            icon.FillRect(left, top, box, box, kFills[row * 3 + column]);
            for (int inset = 0; inset < frame; ++inset)
                icon.FrameRect(left + inset, top + inset, box - 2 * inset, box - 2 * inset, kFrame);
        }
    }
    return icon;
}

}  // namespace lookout
