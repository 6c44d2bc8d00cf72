#include "ui/About.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/Fonts.h"
#include "credits/Credits.h"
#include "resources/Pictures.h"
#include "tests/support/Gui.h"

namespace lookout {
namespace {

using test::CountPixels;
using test::ScreenOrigin;

const std::string kTitle = "Lookout 050504";
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// Stands for the main window: counts what reaches it.
class MainWindow : public Fl_Window {
public:
    MainWindow() : Fl_Window(100, 100, 600, 64) { end(); }
    int handle(int event) override {
        if (event == FL_PUSH) ++pushes;
        if (event == FL_SHOW || event == FL_FOCUS) ++activations;
        return Fl_Window::handle(event);
    }
    int pushes = 0;
    int activations = 0;
};

int Push(Fl_Window& window) {
    Fl::e_x = Fl::e_y = 5;
    Fl::e_x_root = window.x_root() + 5;
    Fl::e_y_root = window.y_root() + 5;
    Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
    const int used = Fl::handle(FL_PUSH, &window);
    Fl::handle(FL_RELEASE, &window);
    return used;
}

TEST(AboutTest, LaysOutTheCreditsAtTheirPlaces) {
    TLOOK_ABOUT about(kTitle);
    EXPECT_EQ(about.w(), 255);
    EXPECT_EQ(about.h(), 184);
    EXPECT_EQ(std::string(about.label()), Utf8(u8"バージョン情報"));
    EXPECT_EQ(about.Label1->Caption(), kTitle);
    EXPECT_EQ(about.Label1->Font(), (TFont{GothicBoldFont(), 12, fl_rgb_color(255, 255, 255), false}));
    EXPECT_EQ(about.Label2->Caption(), credits::kMakerName);
    EXPECT_NE(about.Label5->Caption().find("status.example.net"), std::string::npos)
        << "the credit line names the status service";
    EXPECT_EQ(about.Label5->Font().color, fl_rgb_color(255, 255, 255)) << "readable on black";
    EXPECT_FALSE(about.shown()) << "built hidden";

    struct Place {
        const char* name;
        Fl_Widget* widget;
        int left, top;
    };
    for (const Place& p : std::vector<Place>{{"Label1", about.Label1, 8, 8},
                                              {"Label2", about.Label2, 8, 32},
                                              {"L_URL", about.L_URL, 8, 48},
                                              {"L_EMail", about.L_EMail, 8, 64},
                                              {"Label5", about.Label5, 8, 96},
                                              {"URLLink1", about.URLLink1, 8, 112},
                                              {"Image2", about.Image2, 8, 136}}) {
        SCOPED_TRACE(p.name);
        EXPECT_EQ(p.widget->x(), p.left);
        EXPECT_EQ(p.widget->y(), p.top);
        EXPECT_LE(p.widget->x() + p.widget->w(), about.w()) << "text runs off the window";
    }
    EXPECT_EQ(about.Image2->w(), 201);
    EXPECT_EQ(about.Image2->h(), 41);

    struct Link {
        const char* name;
        TURLLink* link;
        std::string target;
        TURLtype type;
    };
    for (const Link& l : std::vector<Link>{{"L_URL", about.L_URL, credits::kHomePage, tpURL},
                                            {"L_EMail", about.L_EMail, credits::kContactAddress, tpMAIL},
                                            {"URLLink1", about.URLLink1, credits::kStatusServiceSite, tpURL}}) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(l.link->Caption(), l.target);
        EXPECT_EQ(l.link->Link(), l.target);
        EXPECT_EQ(l.link->URLType(), l.type);
        EXPECT_FALSE(l.link->EnableShowHint());
        EXPECT_TRUE(l.link->Font().underline);
    }
}

TEST(AboutTest, PaintsWhiteTextAndTheBannerOnBlack) {
    TLOOK_ABOUT about(kTitle);
    about.position(50, 50);
    ASSERT_TRUE(test::ShowAndWait(about));
    const RgbImage pixels = test::ReadWindow(about);
    EXPECT_EQ(pixels.At(240, 20), kBlack);
    EXPECT_EQ(pixels.At(250, 180), kBlack);
    for (Fl_Widget* label : {static_cast<Fl_Widget*>(about.Label1), static_cast<Fl_Widget*>(about.Label2),
                             static_cast<Fl_Widget*>(about.L_URL), static_cast<Fl_Widget*>(about.Label5)}) {
        EXPECT_GT(CountPixels(pixels, label->x(), label->y(), label->w(), label->h(), kWhite), 0)
            << "readable white text at " << label->x() << "," << label->y();
    }
    // The banner, unstretched, with its top-left pixel at the box's corner.
    EXPECT_EQ(pixels.At(8, 136), kBannerInk);
    EXPECT_EQ(pixels.At(8 + 199, 136 + 39), kBannerInk);
    EXPECT_EQ(pixels.At(9, 137), kBlack);
    EXPECT_EQ(pixels.At(8 + 200, 136 + 40), kBlack) << "the box's last row and column stay empty";
    EXPECT_GT(CountPixels(pixels, 8 + 150, 136 + 25, 46, 12, kBannerInk), 0) << "the name at the lower right";
    about.hide();
}

TEST(AboutTest, OpensModallyOnTheMainWindowsCornerWhereverItWasMoved) {
    MainWindow main;
    ASSERT_TRUE(test::ShowAndWait(main));
    main.activations = 0;
    TLOOK_ABOUT about(kTitle);
    std::vector<std::string> opened;
    about.L_URL->SetOpener([&](const std::string& target) { opened.push_back(target); });

    struct Move {
        int left, top;
    };
    for (const Move m : {Move{320, 240}, Move{40, 500}}) {
        SCOPED_TRACE(testing::Message() << "main window at " << m.left << "," << m.top);
        main.position(m.left, m.top);
        Fl::flush();
        ASSERT_EQ(ScreenOrigin(main), std::make_pair(m.left, m.top));
        opened.clear();
        test::InsideLoop loop(
            [&] {
                ASSERT_TRUE(test::WaitExposed(about));
                EXPECT_EQ(ScreenOrigin(about), std::make_pair(m.left, m.top));
                EXPECT_EQ(Fl::modal(), &about);
                EXPECT_EQ(Push(main), 0);
                EXPECT_EQ(main.pushes, 0) << "the main window must be unusable";
                // A link opens and the dialog stays; Escape does not close it.
                test::SendPointer(*about.L_URL, FL_PUSH, about.x_root() + about.L_URL->x() + 2,
                                  about.y_root() + about.L_URL->y() + 2, FL_LEFT_MOUSE);
                Fl::e_keysym = FL_Escape;
                Fl::handle(FL_KEYBOARD, &about);
                EXPECT_TRUE(about.shown());
                // What the close box sends.
                Fl::handle(FL_CLOSE, &about);
                EXPECT_FALSE(about.shown());
            },
            [&] { about.hide(); });
        about.ShowModalAt(main.x(), main.y());
        EXPECT_TRUE(loop.Ran());
        EXPECT_EQ(opened, std::vector<std::string>{credits::kHomePage});
        EXPECT_EQ(Fl::modal(), nullptr);
        Fl::check();
        EXPECT_EQ(main.activations, 0) << "closing the dialog must not activate the main window again";
    }
    main.pushes = 0;
    Push(main);
    EXPECT_EQ(main.pushes, 1) << "usable again once the dialog is closed";
}

}  // namespace
}  // namespace lookout
