// Hints on a hand-driven clock: the short pause, the hide pause, the leave.
#include "toolkit/HintController.h"

#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include "window/PanelWidgets.h"
#include "toolkit/TextLine.h"
#include "toolkit/TextPopup.h"
#include "tests/window/MainWindowFixture.h"
#include "tests/support/FakeClock.h"
#include "tests/support/Sjis.h"
#include "tests/support/Gui.h"

namespace lookout::test {
namespace {

using ms = std::chrono::milliseconds;

struct Hints : ::testing::Test {
    FakeClock clock;
    HintController hints{clock};
    Fl_Window window{200, 100};
    BoxShape* box;
    Hints() : box(new BoxShape(10, 10, "S_Test", hints)) {
        window.end();
        window.show();
        hints.SetHidePause(ms(30000));
    }
};

TEST_F(Hints, ShowsAfterAPauseStaysForTheHidePauseAndCopiesItsText) {
    {
        std::string text = Sjis(u8"192.0.2.1:6900\nプロンテラ 北");
        box->SetHint(text);
        text.assign("overwritten");
    }
    box->handle(FL_ENTER);
    clock.Advance(ms(499));
    EXPECT_FALSE(hints.Visible());
    clock.Advance(ms(1));
    ASSERT_TRUE(hints.Visible());
    EXPECT_EQ(hints.Window()->Utf8Text(), "192.0.2.1:6900\nプロンテラ 北");
    EXPECT_GT(hints.Window()->h(), 2 * 12) << "two lines";
    clock.Advance(ms(29999));
    EXPECT_TRUE(hints.Visible()) << "a long hint stays up for 30 seconds";
    clock.Advance(ms(1));
    EXPECT_FALSE(hints.Visible());
}

TEST_F(Hints, LeavingOrPressingHidesAndAnEmptyHintShowsNothing) {
    box->SetHint("a:b\nc");
    box->handle(FL_ENTER);
    clock.Advance(ms(500));
    ASSERT_TRUE(hints.Visible());
    box->handle(FL_LEAVE);
    EXPECT_FALSE(hints.Visible());
    EXPECT_EQ(clock.Pending(), 0u);

    box->handle(FL_ENTER);
    box->handle(FL_LEAVE);  // left before the pause ended
    clock.Advance(ms(1000));
    EXPECT_FALSE(hints.Visible());

    box->handle(FL_ENTER);
    clock.Advance(ms(500));
    box->handle(FL_PUSH);
    EXPECT_FALSE(hints.Visible());

    box->SetHint("");
    box->handle(FL_ENTER);
    clock.Advance(ms(1000));
    EXPECT_FALSE(hints.Visible());
}

TEST(SlotHints, ThePointerOverABoxItsLabelsAndIndicatorsIsOneVisit) {
    FakeClock clock;
    HintController hints{clock};
    hints.SetHidePause(ms(30000));
    Fl_Window window(50, 300, 600, 64);
    PanelWidgets panel(hints);
    window.end();
    const std::size_t game01 = kFirstGameSlot;
    panel.SetBoxHint(game01, "a:b");
    panel.SetBoxHint(game01 + 1, "c:d");
    ASSERT_TRUE(ShowAndWait(window));
    const auto [left, top] = ScreenOrigin(window);
    const SlotWidgets& slot = panel.Slot(game01);
    // Through the X server and the toolkit's own dispatch, as a user moves.
    const auto moveOnto = [&](const Fl_Widget* widget, int x, int y) {
        WarpPointer(left + x, top + y);
        return RunUntil([&] { return Fl::belowmouse() == widget; });
    };
    ASSERT_TRUE(moveOnto(slot.box, 37, 32 + 29));
    clock.Advance(ms(300));
    const struct {
        const Fl_Widget* widget;
        int x, y;
    } tour[] = {{slot.caption, 5, 32 + 5},  {slot.count1, 5, 32 + 14}, {slot.party, 28, 32 + 15},
                {slot.guild, 36, 32 + 15}, {slot.count2, 4, 32 + 25}, {slot.box, 37, 32 + 29}};
    for (const auto& stop : tour) ASSERT_TRUE(moveOnto(stop.widget, stop.x, stop.y));
    clock.Advance(ms(200));
    ASSERT_TRUE(hints.Visible()) << "the pause was restarted";
    for (const auto& stop : tour) {
        ASSERT_TRUE(moveOnto(stop.widget, stop.x, stop.y));
        EXPECT_TRUE(hints.Visible()) << "hidden over " << stop.widget->x() << "," << stop.widget->y();
    }
    // Another slot is another visit; outside the window the visit ends.
    ASSERT_TRUE(moveOnto(panel.Slot(game01 + 1).box, 77, 32 + 29));
    EXPECT_FALSE(hints.Visible());
    clock.Advance(ms(500));
    EXPECT_EQ(hints.VisibleText(), "c:d");
    ASSERT_TRUE(moveOnto(nullptr, 300, 200));
    EXPECT_FALSE(hints.Visible());
    EXPECT_EQ(clock.Pending(), 0u);
    WarpPointer(1279, 799);  // out of every other test's way
}

TEST(HintLook, FramedWhereverItIsOneLineHighPerLineAndKeptOnScreen) {
    TextPopup hint;
    const int lineHeight = TextHeight(HintLook().font);
    hint.Popup("a\n\nb", 300, 200, HintLook());  // the empty line counts
    ASSERT_TRUE(WaitExposed(hint));
    EXPECT_EQ(hint.h(), 3 * lineHeight + 6);
    const RgbImage pixels = ReadWindow(hint);
    EXPECT_EQ(pixels.At(0, 0), ToRgb(FL_BLACK)) << "the frame is drawn in the window, not at its screen place";
    EXPECT_EQ(pixels.At(hint.w() - 1, hint.h() - 1), ToRgb(FL_BLACK));
    EXPECT_EQ(pixels.At(1, 1), (Rgb{255, 255, 225}));
    const auto ink = [](Rgb p) { return p.r < 100; };
    EXPECT_GT(CountPixelsIf(pixels, 4, 3 + 2 * lineHeight, hint.w() - 8, lineHeight, ink), 0) << "the third line";
    hint.hide();

    hint.Popup("a", Fl::w() - 3, -9, HintLook());
    ASSERT_TRUE(WaitExposed(hint));
    EXPECT_EQ(ScreenOrigin(hint), std::make_pair(Fl::w() - hint.w(), 0));
    hint.hide();
}

class MainWindowHints : public MainWindowFixture {};

TEST_F(MainWindowHints, TheMainWindowKeepsAHintUpForThirtySeconds) {
    // Not shown, so nothing is fetched; the window sets the pause when built.
    FakeClock clock;
    HintController hints{clock};
    TLOOK_MAIN window(pump_, hints, iniPath_, Settings{});
    auto& panel = const_cast<PanelWidgets&>(window.Panel());
    panel.SetBoxHint(0, "a:b");
    panel.Slot(0).box->handle(FL_ENTER);
    clock.Advance(ms(500));
    ASSERT_TRUE(hints.Visible());
    clock.Advance(ms(29999));
    EXPECT_TRUE(hints.Visible()) << "the framework's 2500 ms";
    clock.Advance(ms(1));
    EXPECT_FALSE(hints.Visible());
}

}  // namespace
}  // namespace lookout::test
