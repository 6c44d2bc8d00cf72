// Texts that hold "@" are drawn as they stand wherever the program shows
// text: the toolkit's labels would take "@..." for a symbol and drop it.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "toolkit/Fonts.h"
#include "toolkit/HintController.h"
#include "toolkit/MessageBox.h"
#include "toolkit/TextLine.h"
#include "toolkit/TextPopup.h"
#include "tests/support/Gui.h"
#include "ui/Label.h"

namespace lookout {
namespace {

const std::string kText = "mail@example.net";

// The last column of the area that has dark ink in it; -1 when none.
int InkRight(Fl_Window& window, int left, int top, int width, int height) {
    const RgbImage image = test::ReadWindow(window);
    int right = -1;
    for (int x = left; x < left + width; ++x) {
        if (test::CountPixelsIf(image, x, top, 1, height, [](Rgb p) { return p.r < 100 && p.g < 100 && p.b < 100; }))
            right = x;
    }
    return right;
}

TEST(AtSignTest, EveryKindOfTextShowsWhatFollowsTheAtSign) {
    const TFont font{GothicFont(), 12, FL_BLACK, false};
    // Everything up to the last "@" and a word beyond it must be drawn.
    const int beyondAt = TextWidth("mail@example", font);

    {
        SCOPED_TRACE("message box");
        MessageBoxWindow box("Lookout 050504", kText, MessageIcon::Plain);
        ASSERT_TRUE(test::ShowAndWait(box));
        EXPECT_GT(InkRight(box, 0, 0, box.w(), 30), 12 + beyondAt);
        box.hide();
    }
    {
        SCOPED_TRACE("hint");
        TextPopup hint;
        hint.Popup(kText, 40, 40, HintLook());
        ASSERT_TRUE(test::WaitExposed(hint));
        EXPECT_GT(InkRight(hint, 1, 1, hint.w() - 2, hint.h() - 2), beyondAt);
        hint.hide();
    }
    {
        SCOPED_TRACE("label");
        Fl_Window window(40, 40, 200, 30);
        auto* label = new TLabel(0, 0, 0, 0);
        window.end();
        label->SetColor(FL_WHITE);
        label->SetFont(font);
        label->SetCaption(kText);
        ASSERT_TRUE(test::ShowAndWait(window));
        EXPECT_GT(InkRight(window, 0, 0, window.w(), window.h()), beyondAt);
        window.hide();
    }
    Fl::flush();
}

}  // namespace
}  // namespace lookout
