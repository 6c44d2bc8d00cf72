// Hints on a hand-driven clock: the short pause, the hide pause, the leave.
#include "platform/Hints.h"

#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include "monitor/PanelWidgets.h"
#include "platform/HintWindow.h"
#include "tests/support/FakeClock.h"
#include "tests/support/Sjis.h"

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

}  // namespace
}  // namespace lookout::test
