#include "resources/Pictures.h"

#include <array>

#include "resources/Credits.h"
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

RgbImage DrawIcon() {
    constexpr Rgb kGround{32, 40, 56};
    constexpr Rgb kFrame{0, 0, 0};
    // Row by row: a mostly healthy rack with one busy and one down server.
    constexpr std::array<Rgb, 9> kFills{{
        {64, 192, 64}, {64, 192, 64}, {240, 200, 40},
        {64, 192, 64}, {80, 140, 255}, {64, 192, 64},
        {224, 48, 48}, {64, 192, 64}, {64, 192, 64},
    }};
    constexpr int kMargin = 2, kBox = 8, kGap = 2;
    RgbImage icon(kIconSize, kIconSize, kGround);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int left = kMargin + column * (kBox + kGap);
            const int top = kMargin + row * (kBox + kGap);
            icon.FillRect(left, top, kBox, kBox, kFills[row * 3 + column]);
            icon.FrameRect(left, top, kBox, kBox, kFrame);
        }
    }
    return icon;
}

}  // namespace lookout
