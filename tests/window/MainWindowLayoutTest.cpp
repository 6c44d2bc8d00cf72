// The window as built: geometry, fonts, initial state and the pixels on
// screen, looked at while the first fetch is still waiting.
#include <FL/Fl.H>

#include "monitor/SlotTable.h"
#include "window/SlotLayout.h"
#include "platform/DisplayText.h"
#include "toolkit/Fonts.h"
#include "toolkit/TextLine.h"
#include "tests/window/MainWindowFixture.h"
#include "tests/support/Gui.h"

namespace lookout::test {
namespace {

constexpr Rgb kBlack{0, 0, 0};

Rgb Background() {
    unsigned char r, g, b;
    Fl::get_color(FL_BACKGROUND_COLOR, r, g, b);
    return Rgb{r, g, b};
}

// The caption widths the slot table gives.
int CaptionWidth(const SlotDef& def) {
    if (def.game) return 38;
    if (def.caption.starts_with("PatFV")) return 35;
    return def.caption == "Login" ? 25 : def.caption == "Chr" ? 17 : 23;
}

class Layout : public MainWindowFixture {
protected:
    // Opens the window on a service that never answers and runs `check` while
    // the interval fetch waits, then closes the window.
    void WhileFirstFetchWaits(const std::function<void(TLOOK_MAIN&)>& check) {
        DemoServiceProcess demo({"--fault", "silent"});
        WriteIni(IniFor(demo));
        TLOOK_MAIN& window = Open();
        WhenReady during([&] { return window.Http().Busy(); },
                         [&] {
                             // The first expose may still be on its way.
                             ASSERT_TRUE(RunUntil([&] { return PixelAt(window, 1, 1) == kWhite; }));
                             check(window);
                             window.do_callback();  // the close box
                         });
        ASSERT_TRUE(RunUntil([&] { return !window.shown(); }));
    }
};

TEST_F(Layout, WidgetsStandWhereTheTableSays) {
    WhileFirstFetchWaits([](TLOOK_MAIN& window) {
        EXPECT_EQ(window.w(), 600);
        EXPECT_EQ(window.h(), 64);
        EXPECT_EQ(window.x(), 100);
        EXPECT_EQ(window.y(), 80);
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            const SlotDef& def = kSlots[i];
            const SlotPlace& at = kSlotPlaces[i];
            const SlotWidgets& slot = window.Panel().Slot(i);
            SCOPED_TRACE(std::string(def.key));
            EXPECT_EQ(slot.box->Name(), "S_" + std::string(at.shortName));
            EXPECT_EQ(slot.box->x(), at.left);
            EXPECT_EQ(slot.box->y(), at.top);
            EXPECT_EQ(slot.box->w(), 41);
            EXPECT_EQ(slot.box->h(), 33);
            EXPECT_EQ(slot.box->Colour(), kWhite);
            EXPECT_EQ(slot.box->Hint(), "");
            const struct {
                SlotLabel* label;
                std::string name, text;
                int top;
            } labels[] = {
                {slot.caption, std::string(at.captionName), std::string(def.caption), 1},
                {slot.count1, "L_" + std::string(at.shortName) + "1", "0/0", 11},
                {slot.count2, "L_" + std::string(at.shortName) + "2", "0", 21},
            };
            for (const auto& l : labels) {
                EXPECT_EQ(l.label->Name(), l.name);
                EXPECT_EQ(l.label->Text(), l.text);
                EXPECT_EQ(l.label->x(), at.left + 3);
                EXPECT_EQ(l.label->y(), at.top + l.top);
                EXPECT_EQ(l.label->Font(), (TFont{SlotGothicFont(), 11, FL_BLACK, false}));
                EXPECT_TRUE(l.label->Transparent());
                EXPECT_EQ(l.label->Alignment(), taLeftJustify);
                EXPECT_EQ(l.label->w(), TextWidth(SjisToUtf8(l.text), l.label->Font())) << "width follows the text";
                EXPECT_EQ(l.label->h(), 11);
            }
            EXPECT_EQ(slot.party != nullptr, def.game);
            if (def.game) {
                EXPECT_EQ(slot.party->Name(), slot.box->Name() + "PT");
                EXPECT_EQ(slot.guild->Name(), slot.box->Name() + "G");
                EXPECT_EQ(slot.party->x(), at.left + 24);
                EXPECT_EQ(slot.guild->x(), at.left + 32);
                EXPECT_EQ(slot.guild->x() + slot.guild->w(), slot.box->x() + slot.box->w());
                EXPECT_EQ(slot.party->y(), at.top + 11);
                EXPECT_EQ(slot.party->w(), 9);
                EXPECT_EQ(slot.guild->h(), 9);
                EXPECT_EQ(slot.party->Colour(), kWhite);
            }
        }
        const struct {
            Fl_Button* button;
            const char* caption;
            int x, y, w, h;
        } buttons[] = {
            {window.ReloadButton(), "Reload", 440, 0, 41, 17},
            {window.JumpUrlButton(), "Site", 440, 17, 41, 16},
            {window.AboutButton(), "About", 562, 0, 39, 17},
        };
        for (const auto& b : buttons) {
            SCOPED_TRACE(b.caption);
            EXPECT_STREQ(b.button->label(), b.caption);
            EXPECT_EQ(b.button->x(), b.x);
            EXPECT_EQ(b.button->y(), b.y);
            EXPECT_EQ(b.button->w(), b.w);
            EXPECT_EQ(b.button->h(), b.h);
            EXPECT_EQ(b.button->labelfont(), GothicFont());
            EXPECT_EQ(b.button->labelsize(), 12);
            EXPECT_FALSE(b.button->visible_focus());
        }
    });
}

TEST_F(Layout, PixelsShowSharedFramesTheGapAndTheClippedEdges) {
    WhileFirstFetchWaits([](TLOOK_MAIN& window) {
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            const SlotDef& def = kSlots[i];
            const SlotPlace& at = kSlotPlaces[i];
            SCOPED_TRACE(std::string(def.key));
            EXPECT_EQ(PixelAt(window, at.left, at.top + 16), kBlack) << "left frame line";
            // Reload and Site lie over PatchFV8's right and Game12's top frame line.
            auto framed = [&](int x, int y) {
                for (Fl_Button* b : {window.ReloadButton(), window.JumpUrlButton()})
                    if (x >= b->x() && x < b->x() + b->w() && y >= b->y() && y < b->y() + b->h()) return false;
                return x < 600;
            };
            if (framed(at.left + 20, at.top)) {
                EXPECT_EQ(PixelAt(window, at.left + 20, at.top), kBlack) << "top frame line";
            }
            EXPECT_EQ(PixelAt(window, at.left + 37, at.top + 29), kWhite) << "white fill";
            if (framed(at.left + 40, at.top + 5)) {
                EXPECT_EQ(PixelAt(window, at.left + 40, at.top + 5), kBlack) << "shared right frame line";
            }
            if (def.game) {
                EXPECT_EQ(PixelAt(window, at.left + 24, at.top + 15), kBlack) << "party frame";
                EXPECT_EQ(PixelAt(window, at.left + 28, at.top + 15), kWhite) << "party fill";
                EXPECT_EQ(PixelAt(window, at.left + 32, at.top + 15), kBlack) << "shared middle column";
                EXPECT_EQ(PixelAt(window, at.left + 40, at.top + 15), kBlack) << "guild on the box frame";
            }
        }
        EXPECT_EQ(PixelAt(window, 599, 48), kWhite) << "Game15's right frame lies outside";
        EXPECT_EQ(PixelAt(window, 20, 63), kWhite) << "row 2's bottom frame lies outside";
        EXPECT_EQ(PixelAt(window, 520, 10), Background()) << "the gap between Site and About";
        EXPECT_EQ(PixelAt(window, 481 + 1, 30), Background());
        EXPECT_EQ(PixelAt(window, 560, 20), Background());
    });
}

TEST_F(Layout, DrawnLabelsKeepToTheWidthsOfTheSlotTable) {
    WhileFirstFetchWaits([](TLOOK_MAIN& window) {
        const RgbImage image = ReadWindow(window);
        auto dark = [](Rgb p) { return p.r < 128 && p.g < 128 && p.b < 128; };
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            const SlotDef& def = kSlots[i];
            const SlotPlace& at = kSlotPlaces[i];
            const SlotWidgets& slot = window.Panel().Slot(i);
            const struct {
                const SlotLabel* label;
                int width;
            } labels[] = {{slot.caption, CaptionWidth(def)}, {slot.count1, 18}, {slot.count2, 6}};
            for (const auto& l : labels) {
                SCOPED_TRACE(std::string(def.key) + " " + l.label->Name());
                EXPECT_NEAR(l.label->w(), l.width, 1);
                // The last column with ink, looking one pixel past the allowed
                // width (up to the next box's caption); the box's own right
                // frame line is black whatever is drawn there.
                const int left = l.label->x();
                const int end = std::min(left + l.width + 2, window.w());
                int inkRight = -1;
                for (int x = left; x < end; ++x) {
                    if (x == at.left + kBoxWidth - 1) continue;
                    if (CountPixelsIf(image, x, l.label->y(), 1, kLabelHeight, dark) > 0) inkRight = x;
                }
                EXPECT_LE(inkRight, left + l.width) << "ink beyond the table's width";
                // Not even faint ink in a neighbouring box: its first two
                // inner columns, before its own caption, are one colour.
                const bool boxToTheRight = i + 1 < kSlotCount && kSlotPlaces[i + 1].top == at.top &&
                                           kSlotPlaces[i + 1].left == at.left + kBoxWidth - 1;
                for (int y = l.label->y(); boxToTheRight && y < l.label->y() + kLabelHeight; ++y) {
                    EXPECT_EQ(image.At(at.left + kBoxWidth, y), image.At(at.left + kBoxWidth + 1, y))
                        << "ink in the next box at y " << y;
                }
                EXPECT_GE(inkRight, left + l.width - 4) << "text far narrower than the table's width";
            }
        }
    });
}

TEST_F(Layout, LongCountRunsUnderTheIndicators) {
    WhileFirstFetchWaits([](TLOOK_MAIN& window) {
        const std::size_t game01 = kFirstGameSlot;
        auto& panel = const_cast<PanelWidgets&>(window.Panel());
        panel.SetBoxColour(game01, Rgb{207, 255, 207});
        panel.SetPartyColour(game01, Rgb{255, 207, 207});
        panel.SetCount1(game01, "88888/88888");
        EXPECT_GT(panel.Slot(game01).count1->w(), 21);
        EXPECT_EQ(PixelAt(window, 28, 32 + 15), (Rgb{255, 207, 207})) << "indicator stays on top";
        EXPECT_EQ(PixelAt(window, 37, 32 + 29), (Rgb{207, 255, 207}));
        panel.SetBoxColour(game01, Rgb{207, 255, 207});  // the same colour again changes nothing
        EXPECT_EQ(PixelAt(window, 37, 32 + 29), (Rgb{207, 255, 207}));
    });
}

TEST_F(Layout, LongCountsAreDrawnWholeInASmallerSizeOrEndInAMark) {
    WhileFirstFetchWaits([](TLOOK_MAIN& window) {
        auto& panel = const_cast<PanelWidgets&>(window.Panel());
        auto dark = [](Rgb p) { return p.r < 128 && p.g < 128 && p.b < 128; };
        const std::string mark = "\xE2\x80\xA6";
        const struct {
            std::size_t slot;
            std::string text;
            bool cut;
        } cases[] = {
            {3, "326/5000", false},
            {3, "88888/88888", true},
            {kFirstGameSlot + 5, "2401/5000", false},
            {kFirstGameSlot + 5, "88888/88888", true},
        };
        for (const auto& c : cases) {
            const SlotDef& def = kSlots[c.slot];
            const SlotPlace& at = kSlotPlaces[c.slot];
            SCOPED_TRACE(std::string(def.key) + " " + c.text);
            panel.SetCount1(c.slot, c.text);
            panel.SetCount2(c.slot, c.text);
            const RgbImage image = ReadWindow(window);
            for (const SlotLabel* label : {panel.Slot(c.slot).count1, panel.Slot(c.slot).count2}) {
                SCOPED_TRACE(label->Name());
                const FittedText& shown = label->Shown();
                EXPECT_NE(shown.font, label->Font()) << "a narrower rendering";
                EXPECT_EQ(shown.utf8.ends_with(mark), c.cut) << shown.utf8;
                if (!c.cut) {
                    EXPECT_EQ(shown.utf8, c.text);
                }
                // The box's last inner column stays clear: no glyph runs into
                // its frame. Where the indicators cover the label, below them.
                int top = label->y();
                if (def.game) top = std::max(top, at.top + kIndicatorTop + kIndicatorSize);
                const int bottom = label->y() + kLabelHeight;
                EXPECT_EQ(CountPixelsIf(image, at.left + kBoxWidth - 2, top, 1, bottom - top, dark), 0);
                if (def.game && label == panel.Slot(c.slot).count1) continue;
                // The text and its mark are on screen, to its last columns.
                EXPECT_GT(CountPixelsIf(image, label->x() + label->w() - 3, top, 3, bottom - top, dark), 0);
            }
        }
        panel.SetCount1(3, "0/0");
        EXPECT_EQ(panel.Slot(3).count1->Shown().font, panel.Slot(3).count1->Font()) << "a count that fits";
    });
}

}  // namespace
}  // namespace lookout::test
