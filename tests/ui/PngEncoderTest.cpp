#include "resources/PngEncoder.h"

#include <FL/Fl_PNG_Image.H>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "resources/Pictures.h"

namespace lookout {
namespace {

// Decodes with the toolkit's PNG reader (libpng), an independent judge of the
// encoder's framing, checksums and scanline layout.
void ExpectDecodesTo(const RgbImage& image) {
    char path[] = "/tmp/lookout-png-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const std::string png = EncodePng(image);
    std::ofstream(path, std::ios::binary).write(png.data(), static_cast<std::streamsize>(png.size()));
    Fl_PNG_Image decoded(path);
    std::remove(path);
    ASSERT_EQ(decoded.fail(), 0);
    ASSERT_EQ(decoded.w(), image.Width());
    ASSERT_EQ(decoded.h(), image.Height());
    ASSERT_EQ(decoded.d(), 3);
    const auto* bytes = reinterpret_cast<const unsigned char*>(decoded.data()[0]);
    const auto& expected = image.Bytes();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(bytes[i], expected[i]) << "byte " << i;
    }
}

TEST(PngEncoderTest, RoundTripsThroughAStandardDecoder) {
    {
        SCOPED_TRACE("icon");
        ExpectDecodesTo(DrawIcon());
    }
    {
        SCOPED_TRACE("banner");
        ExpectDecodesTo(DrawBanner());
    }
    {
        // More than one stored deflate block (65535 bytes each).
        SCOPED_TRACE("large gradient");
        RgbImage large(300, 100, Rgb{});
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 300; ++x) large.Set(x, y, Rgb{uint8_t(x), uint8_t(y), uint8_t(x ^ y)});
        }
        ExpectDecodesTo(large);
    }
    {
        SCOPED_TRACE("one pixel");
        ExpectDecodesTo(RgbImage(1, 1, Rgb{1, 2, 3}));
    }
}

}  // namespace
}  // namespace lookout
