#include "resources/Pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/Exception.h"
#include "resources/PixelFont.h"

namespace lookout {
namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

// The bounding box of the pixels of one colour inside the given margin.
Box InkBox(const RgbImage& image, Rgb ink, int margin) {
    Box box;
    for (int y = margin; y < image.Height() - margin; ++y) {
        for (int x = margin; x < image.Width() - margin; ++x) {
            if (image.At(x, y) != ink) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

TEST(BannerTest, IsBlackWithALightFrameAndTheNameAtTheLowerRight) {
    const RgbImage banner = DrawBanner();
    ASSERT_EQ(banner.Width(), 200);
    ASSERT_EQ(banner.Height(), 40);
    for (int x = 0; x < 200; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(banner.At(x, 0), kBannerInk);
        EXPECT_EQ(banner.At(x, 39), kBannerInk);
    }
    for (int y = 0; y < 40; ++y) {
        SCOPED_TRACE(y);
        EXPECT_EQ(banner.At(0, y), kBannerInk);
        EXPECT_EQ(banner.At(199, y), kBannerInk);
    }
    // Inside the frame: black, apart from the name in the lower right corner.
    const Box name = InkBox(banner, kBannerInk, 1);
    EXPECT_EQ(name.right, 199 - kBannerMargin);
    EXPECT_EQ(name.bottom, 39 - kBannerMargin);
    EXPECT_LE(name.bottom - name.top + 1, kGlyphHeight) << "the name is small";
    EXPECT_GT(name.left, 100);
    std::set<std::tuple<int, int, int>> colours;
    for (int y = 1; y < 39; ++y) {
        for (int x = 1; x < 199; ++x) colours.insert({banner.At(x, y).r, banner.At(x, y).g, banner.At(x, y).b});
    }
    EXPECT_EQ(colours.size(), 2u);
}

TEST(PixelFontTest, DrawsOnlyLettersItHas) {
    RgbImage image(20, 10, Rgb{});
    EXPECT_EQ(PixelTextWidth(""), 0);
    EXPECT_EQ(PixelTextWidth("Lo"), 11);
    DrawPixelText(image, 18, 8, "L", Rgb{9, 9, 9});  // clipped, not an error
    EXPECT_EQ(image.At(18, 9), (Rgb{9, 9, 9}));
    EXPECT_THROW(DrawPixelText(image, 0, 0, "Lx", Rgb{1, 1, 1}), Exception);
}

// The desktop's larger icons are the window's icon scaled: the same box
// colours, frames and gaps at the scaled places.
TEST(IconTest, LargerSizesScaleTheWindowIcon) {
    const RgbImage small = DrawIcon();
    ASSERT_EQ(small.Width(), kIconSize);
    const Rgb ground = small.At(0, 0), frame = small.At(2, 2);
    for (const int size : {48, 64, 128}) {
        SCOPED_TRACE(size);
        const RgbImage icon = DrawIcon(size);
        ASSERT_EQ(icon.Width(), size);
        ASSERT_EQ(icon.Height(), size);
        const auto at = [&](int x32, int y32) { return icon.At(x32 * size / 32, y32 * size / 32); };
        EXPECT_EQ(at(0, 0), ground);
        EXPECT_EQ(at(31, 31), ground);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const int x = 2 + 10 * column, y = 2 + 10 * row;
                EXPECT_EQ(at(x + 4, y + 4), small.At(x + 4, y + 4)) << "fill of box " << row << "," << column;
                EXPECT_EQ(at(x, y), frame);
                EXPECT_EQ(at(x + 8, y + 4), ground) << "gap right of box " << row << "," << column;
            }
        }
    }
}

}  // namespace
}  // namespace lookout
