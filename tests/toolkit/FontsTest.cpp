// The gothic face draws Japanese: each kana its own shape, not one stand-in
// box for all (on Windows without MS PGothic, through the bundled IPA file).
#include "toolkit/Fonts.h"

#include <gtest/gtest.h>
// After gtest: X11 defines None and Bool as macros.
#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <string>
#include <vector>

namespace lookout {
namespace {

// The text drawn black on white in the face at 24 pixels, read back.
std::vector<unsigned char> Drawn(const char* utf8, Fl_Font face) {
    constexpr int kSize = 32;
    const Fl_Offscreen offscreen = fl_create_offscreen(kSize, kSize);
    fl_begin_offscreen(offscreen);
    fl_color(FL_WHITE);
    fl_rectf(0, 0, kSize, kSize);
    fl_color(FL_BLACK);
    fl_font(face, 24);
    fl_draw(utf8, 4, 26);
    std::vector<unsigned char> pixels(kSize * kSize * 3);
    fl_read_image(pixels.data(), 0, 0, kSize, kSize);
    fl_end_offscreen();
    fl_delete_offscreen(offscreen);
    return pixels;
}

std::size_t Ink(const std::vector<unsigned char>& pixels) {
    std::size_t dark = 0;
    for (unsigned char v : pixels) dark += v < 128;
    return dark;
}

TEST(Fonts, TheGothicFacesDrawEachKanaInItsOwnShape) {
    fl_open_display();
    for (const Fl_Font face : {GothicFont(), SlotGothicFont()}) {
        SCOPED_TRACE(Fl::get_font_name(face));
        const auto pu = Drawn("プ", face), ro = Drawn("ロ", face), te = Drawn("テ", face);
        EXPECT_GT(Ink(pu), 20u);
        EXPECT_GT(Ink(ro), 20u);
        EXPECT_NE(pu, ro);
        EXPECT_NE(ro, te);
    }
}

}  // namespace
}  // namespace lookout
