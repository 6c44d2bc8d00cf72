#include "ui/URLLink.h"

#include <FL/Fl.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Tooltip.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/TextLine.h"
#include "tests/support/Gui.h"

namespace lookout {
namespace {

using test::CountPixelsIf;
using test::ReadWindow;
using test::ScreenOrigin;
using test::SendPointer;

constexpr int kWindowLeft = 60, kWindowTop = 80;
constexpr int kLinkLeft = 10, kLinkTop = 10;
// Courier 16 advances exactly 10 pixels a letter, so widths are known.
const TFont kCourier{FL_COURIER_BOLD, 16, FL_BLACK, false};
const std::string kTarget = "http://a.b";  // 10 letters: 100 pixels

bool Bluish(Rgb p) { return p.b == 255 && p.r < 160 && p.g < 160; }
bool Reddish(Rgb p) { return p.r == 255 && p.g < 160 && p.b < 160; }
// Blue text on white only ever mixes equal red and green into the blue.
bool Stained(Rgb p) { return p.r > p.g + 8 || p.g > p.r + 8; }

class URLLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = std::make_unique<Fl_Window>(kWindowLeft, kWindowTop, 300, 80);
        window_->color(FL_WHITE);
        input_ = new Fl_Input(150, 40, 100, 24);
        link_ = new TURLLink(kLinkLeft, kLinkTop, 0, 0);
        window_->end();
        TFont font = link_->Font();
        font.face = kCourier.face;
        font.size = kCourier.size;
        link_->SetFont(font);
        link_->SetColor(FL_WHITE);
        link_->SetCaption(kTarget);
        link_->SetLink(kTarget);
        link_->SetHintFormFont(kCourier);
        link_->SetOpener([this](const std::string& target) { opened_.push_back(target); });
        ASSERT_EQ(TextWidth("0", kCourier), 10) << "test font metrics changed";
        ASSERT_TRUE(test::ShowAndWait(*window_));
        input_->take_focus();
    }
    void TearDown() override {
        window_->hide();
        Fl::flush();
    }

    // Screen point inside the label, dx pixels right of its left edge.
    int InsideX(int dx = 5) const { return window_->x_root() + link_->x() + dx; }
    int InsideY() const { return window_->y_root() + link_->y() + 5; }
    int LabelPixels(bool (*colour)(Rgb)) {
        return CountPixelsIf(ReadWindow(*window_), link_->x(), link_->y(), link_->w(), link_->h(), colour);
    }
    void Enter(int x, int y) { SendPointer(*link_, FL_ENTER, x, y); }
    void Leave() { SendPointer(*link_, FL_LEAVE, 0, 0); }

    std::unique_ptr<Fl_Window> window_;
    Fl_Input* input_ = nullptr;
    TURLLink* link_ = nullptr;
    std::vector<std::string> opened_;
};

TEST_F(URLLinkTest, HoverPaintsTheLinkColourAndLeaveRestoresTheFontColour) {
    EXPECT_GT(LabelPixels(Bluish), 0);
    EXPECT_EQ(LabelPixels(Reddish), 0);

    Enter(InsideX(), InsideY());
    EXPECT_EQ(link_->Font().color, link_->LinkColor());
    EXPECT_GT(LabelPixels(Reddish), 0);
    EXPECT_EQ(LabelPixels(Bluish), 0);

    Leave();
    EXPECT_EQ(link_->Font().color, fl_rgb_color(0, 0, 255));
    EXPECT_GT(LabelPixels(Bluish), 0);
    EXPECT_EQ(LabelPixels(Reddish), 0);

    // A transparent label has its window repaint the background under the
    // text: blue drawn over left-over red would leave purple edges.
    link_->SetTransparent(true);
    Enter(InsideX(), InsideY());
    EXPECT_GT(LabelPixels(Reddish), 0);
    Leave();
    EXPECT_EQ(LabelPixels(Stained), 0);
}

TEST_F(URLLinkTest, ColoursChangedDuringAVisitTakeEffectAtTheNextEnter) {
    Enter(InsideX(), InsideY());
    link_->SetLinkColor(fl_rgb_color(0, 128, 0));
    EXPECT_EQ(link_->Font().color, fl_rgb_color(255, 0, 0));
    Leave();
    Enter(InsideX(), InsideY());
    EXPECT_EQ(link_->Font().color, fl_rgb_color(0, 128, 0));
    Leave();

    // Whatever colour the font had at enter is the one leave brings back.
    TFont font = link_->Font();
    font.color = fl_rgb_color(90, 0, 90);
    link_->SetFont(font);
    Enter(InsideX(), InsideY());
    Leave();
    EXPECT_EQ(link_->Font().color, fl_rgb_color(90, 0, 90));

    // A leave without an enter has nothing to restore, and an enter without
    // a leave never takes the link colour for the one to restore.
    Leave();
    EXPECT_EQ(link_->Font().color, fl_rgb_color(90, 0, 90));
    Enter(InsideX(), InsideY());
    Enter(InsideX(), InsideY());
    Leave();
    EXPECT_EQ(link_->Font().color, fl_rgb_color(90, 0, 90));
}

TEST_F(URLLinkTest, HintFormAppearsAtTheCursorPlusOffsetsSizedToTheLink) {
    // The pop-up is a window of its own, never a child of the open group.
    EXPECT_EQ(link_->HintForm().parent(), nullptr);
    struct Case {
        int offsetX, offsetY;
        bool defaults;
    };
    for (const Case c : {Case{15, 15, true}, Case{-40, 3, false}}) {
        SCOPED_TRACE(testing::Message() << "offsets " << c.offsetX << "," << c.offsetY);
        if (!c.defaults) {
            link_->SetHintOffsetX(c.offsetX);
            link_->SetHintOffsetY(c.offsetY);
            link_->SetHintFormColor(fl_rgb_color(200, 255, 200));
        }
        const int cursorX = InsideX(), cursorY = InsideY();
        Enter(cursorX, cursorY);
        ASSERT_TRUE(link_->HintShown());
        Fl_Window& hint = link_->HintForm();
        ASSERT_TRUE(test::WaitExposed(hint));

        EXPECT_EQ(ScreenOrigin(hint), std::make_pair(cursorX + c.offsetX, cursorY + c.offsetY));
        EXPECT_EQ(hint.w(), 100 + 6);
        EXPECT_EQ(hint.h(), TextHeight(kCourier) + 3);
        EXPECT_TRUE(test::IsOverrideRedirect(hint)) << "no frame, above the others, no focus";
        EXPECT_EQ(Fl::focus(), input_) << "the pop-up took the focus";
        const RgbImage pixels = ReadWindow(hint);
        EXPECT_EQ(pixels.At(1, 1), test::ToRgb(c.defaults ? Fl_Tooltip::color() : fl_rgb_color(200, 255, 200)));
        EXPECT_GT(CountPixelsIf(pixels, 2, 2, 100, TextHeight(kCourier), [](Rgb p) { return p.r < 100; }), 0)
            << "the link text is drawn";
        Leave();
        EXPECT_FALSE(link_->HintShown());
        EXPECT_FALSE(hint.shown());
    }
}

TEST_F(URLLinkTest, HintFormShowsOncePerVisitWhereTheVisitBegan) {
    Fl_Window& hint = link_->HintForm();
    Enter(InsideX(5), InsideY());
    ASSERT_TRUE(test::WaitExposed(hint));
    SendPointer(*link_, FL_MOVE, InsideX(60), InsideY());
    EXPECT_EQ(ScreenOrigin(hint).first, InsideX(5) + 15) << "the pop-up must not follow the cursor";
    Leave();
    EXPECT_FALSE(hint.shown());

    Enter(InsideX(70), InsideY());
    ASSERT_TRUE(test::WaitExposed(hint));
    EXPECT_EQ(ScreenOrigin(hint).first, InsideX(70) + 15);

    // The pop-up takes the values current when it appears.
    Leave();
    link_->SetLink("http://abcdefghij");
    Enter(InsideX(), InsideY());
    EXPECT_EQ(hint.w(), 170 + 6);

    // Hiding the label's window under the pointer sends no leave, yet it
    // ends the visit: the pop-up goes and the colour comes back.
    window_->hide();
    EXPECT_FALSE(link_->HintShown());
    EXPECT_FALSE(hint.shown());
    EXPECT_EQ(link_->Font().color, fl_rgb_color(0, 0, 255));
}

TEST_F(URLLinkTest, RealPointerMotionReachesTheLink) {
    // Through the X server and FLTK's own dispatch, not a direct handle().
    test::WarpPointer(InsideX(), InsideY());
    for (int i = 0; i < 200 && !link_->HintShown(); ++i) Fl::wait(0.05);
    ASSERT_TRUE(link_->HintShown());
    EXPECT_EQ(ScreenOrigin(link_->HintForm()), std::make_pair(InsideX() + 15, InsideY() + 15));
    EXPECT_EQ(link_->Font().color, link_->LinkColor());
    test::WarpPointer(window_->x_root() + 280, window_->y_root() + 70);
    for (int i = 0; i < 200 && link_->HintShown(); ++i) Fl::wait(0.05);
    EXPECT_FALSE(link_->HintShown());
    EXPECT_EQ(link_->Font().color, fl_rgb_color(0, 0, 255));
    test::WarpPointer(1279, 799);  // out of every other test's way
}

TEST_F(URLLinkTest, HintFormNeverShowsWhenDisabled) {
    link_->SetEnableShowHint(false);
    Enter(InsideX(), InsideY());
    SendPointer(*link_, FL_MOVE, InsideX(20), InsideY());
    SendPointer(*link_, FL_PUSH, InsideX(20), InsideY(), FL_LEFT_MOUSE);
    EXPECT_FALSE(link_->HintShown());
    EXPECT_FALSE(link_->HintForm().shown());
    EXPECT_EQ(link_->Font().color, link_->LinkColor()) << "the hover colour does not depend on the pop-up";
}

TEST_F(URLLinkTest, OnlyALeftClickOpensAndItHidesThePopUp) {
    struct Case {
        const char* name;
        int button;
        TURLtype type;
        std::vector<std::string> opened;
        bool hintAfter;
    };
    const std::vector<Case> cases{
        {"left, web address", FL_LEFT_MOUSE, tpURL, {kTarget}, false},
        {"left, mail address", FL_LEFT_MOUSE, tpMAIL, {"mailto:" + kTarget}, false},
        {"right", FL_RIGHT_MOUSE, tpURL, {}, true},
        {"middle", FL_MIDDLE_MOUSE, tpMAIL, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        opened_.clear();
        link_->SetURLType(c.type);
        Enter(InsideX(), InsideY());
        ASSERT_TRUE(link_->HintShown());
        EXPECT_EQ(SendPointer(*link_, FL_PUSH, InsideX(), InsideY(), c.button), 1);
        SendPointer(*link_, FL_RELEASE, InsideX(), InsideY(), c.button);
        EXPECT_EQ(opened_, c.opened);
        EXPECT_EQ(link_->HintShown(), c.hintAfter);
        EXPECT_EQ(link_->HintForm().shown() != 0, c.hintAfter);
        EXPECT_EQ(link_->Font().color, link_->LinkColor()) << "a click does not restore the colour";
        Leave();
    }
    // The bare address goes to the opener with nothing between it and "mailto:".
    link_->SetLink("someone@example.org");
    link_->SetURLType(tpMAIL);
    SendPointer(*link_, FL_PUSH, InsideX(), InsideY(), FL_LEFT_MOUSE);
    EXPECT_EQ(opened_.back(), "mailto:someone@example.org");
}

TEST_F(URLLinkTest, SettersRepaintOnlyWhenTheValueChanges) {
    struct Case {
        const char* name;
        std::function<void()> same;
        std::function<void()> other;
    };
    TURLLink& l = *link_;
    const std::vector<Case> cases{
        {"URLType", [&] { l.SetURLType(l.URLType()); }, [&] { l.SetURLType(tpMAIL); }},
        {"Link", [&] { l.SetLink(l.Link()); }, [&] { l.SetLink("x"); }},
        {"HintFormFont", [&] { l.SetHintFormFont(l.HintFormFont()); }, [&] { l.SetHintFormFont(TFont{}); }},
        {"EnableShowHint", [&] { l.SetEnableShowHint(true); }, [&] { l.SetEnableShowHint(false); }},
        {"HintFormColor", [&] { l.SetHintFormColor(l.HintFormColor()); }, [&] { l.SetHintFormColor(FL_RED); }},
        {"HintOffsetX", [&] { l.SetHintOffsetX(15); }, [&] { l.SetHintOffsetX(16); }},
        {"HintOffsetY", [&] { l.SetHintOffsetY(15); }, [&] { l.SetHintOffsetY(16); }},
        {"LinkColor", [&] { l.SetLinkColor(l.LinkColor()); }, [&] { l.SetLinkColor(FL_GREEN); }},
        {"Caption", [&] { l.SetCaption(kTarget); }, [&] { l.SetCaption("other"); }},
        {"Font", [&] { l.SetFont(l.Font()); }, [&] { l.SetFont(kCourier); }},
        {"Color", [&] { l.SetColor(FL_WHITE); }, [&] { l.SetColor(FL_YELLOW); }},
        {"Transparent", [&] { l.SetTransparent(false); }, [&] { l.SetTransparent(true); }},
        {"Alignment", [&] { l.SetAlignment(taLeftJustify); }, [&] { l.SetAlignment(taCenter); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fl::flush();
        ASSERT_EQ(window_->damage(), 0);
        c.same();
        EXPECT_EQ(window_->damage(), 0);
        c.other();
        EXPECT_NE(window_->damage(), 0);
    }
}

TEST_F(URLLinkTest, AutoSizeFitsTheLabelToItsCaption) {
    EXPECT_EQ(link_->w(), 100);
    EXPECT_EQ(link_->h(), TextHeight(link_->Font()));
    link_->SetAlignment(taRightJustify);
    link_->SetCaption("abc");
    EXPECT_EQ(link_->x(), kLinkLeft + 70) << "right-justified labels keep their right edge";
    EXPECT_EQ(link_->w(), 30);
    link_->SetAutoSize(false);
    link_->SetCaption("abcdefghijklmnop");
    EXPECT_EQ(link_->w(), 30);
}

}  // namespace
}  // namespace lookout
