// Start-up from SERVER.INI and the close that writes the position back.
#include "monitor/SlotTable.h"
#include "platform/Exception.h"
#include "tests/window/MainWindowFixture.h"
#include "tests/support/Sjis.h"
#include "tests/support/Gui.h"
#include "ui/About.h"

namespace lookout::test {
namespace {

using Lifecycle = MainWindowFixture;

TEST_F(Lifecycle, StartUpFailuresRaiseTheFrameworkTextForTheErrorBox) {
    const struct {
        std::string ini;  // empty: no file
        std::u8string message;
    } cases[] = {
        {"", u8"ﾌｧｲﾙ @ は開けません"},
        {"1\r\n2\r\na\r\nb\r\n", u8"ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)"},
        {"1\r\n2.0\r\na\r\nb\r\nc\r\n", u8"'2.0' は数値ではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        std::filesystem::remove(iniPath_);
        if (!c.ini.empty()) WriteIni(c.ini);
        std::string expected = Sjis(c.message);
        if (auto at = expected.find('@'); at != std::string::npos) expected.replace(at, 1, iniPath_);
        try {
            LoadSettings(iniPath_);
            ADD_FAILURE() << "read";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), expected);
            EXPECT_EQ(ErrorBoxText(e.Message()), c.message.back() == u8')' ? expected : expected + ".");
        }
    }
}

TEST_F(Lifecycle, CloseWritesThePositionAndKeepsEverythingElseTheByteOrderMarkToo) {
    DemoServiceProcess demo({"--interval", "3600"});
    WriteIni(IniFor(demo, "line six\r\n\xff\xfe binary\r\n") );
    // LF-only and a missing final break come back as CR LF.
    std::string ini = ReadIni();
    for (std::size_t at; (at = ini.find("\r\n")) != std::string::npos;) ini.replace(at, 2, "\n");
    ini.pop_back();
    WriteIni("\xEF\xBB\xBF" + ini);  // as some editors save it: starts, and keeps its mark
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    window.position(-7, 1234);
    window.do_callback();
    EXPECT_FALSE(window.shown());
    EXPECT_EQ(ReadIni(), "\xEF\xBB\xBF-7\r\n1234\r\n" + demo.BaseUrl() + "\r\n" + demo.BaseUrl() +
                             "ipmap/\r\nworld1\r\nline six\r\n\xff\xfe binary\r\n");
}

TEST_F(Lifecycle, APositionOffEveryScreenOpensOnTheScreenAndClosesWhereItIs) {
    // Near the 32-bit limits the toolkit's on-screen check used to wrap around.
    for (const auto& [left, top] : {std::pair{"2147483048", "2147483584"}, std::pair{"-2147483648", "70000"}}) {
        SCOPED_TRACE(left);
        DemoServiceProcess demo({"--fault", "silent"});
        WriteIni(std::string(left) + "\r\n" + top + "\r\n" + demo.BaseUrl() + "\r\n" + demo.BaseUrl() +
                 "\r\nworld1\r\n");
        TLOOK_MAIN& window = Open();
        WhenReady during([&] { return window.Http().Busy(); },
                         [&] {
                             ASSERT_TRUE(WaitExposed(window));
                             const auto [x, y] = ScreenOrigin(window);
                             EXPECT_TRUE(x >= 0 && x + window.w() <= Fl::w()) << x;
                             EXPECT_TRUE(y >= 0 && y + window.h() <= Fl::h()) << y;
                             window.do_callback();
                         });
        ASSERT_TRUE(RunUntil([&] { return !window.shown() && !window.Http().Busy(); }));
        EXPECT_EQ(ReadIni().substr(0, ReadIni().find("http")),
                  std::to_string(window.x()) + "\r\n" + std::to_string(window.y()) + "\r\n");
    }
}

TEST_F(Lifecycle, CloseThatCannotWriteShowsTheErrorAndClosesAllTheSame) {
    DemoServiceProcess demo({"--interval", "3600"});
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    std::filesystem::remove(iniPath_);
    window.do_callback();
    ASSERT_EQ(answerer_.Texts().size(), 1u);
    EXPECT_EQ(answerer_.Texts()[0], Sjis(u8"ﾌｧｲﾙ ") + iniPath_ + Sjis(u8" は開けません."));
    EXPECT_EQ(answerer_.Icons()[0], MessageIcon::Stop);
    EXPECT_FALSE(window.shown());
    EXPECT_TRUE(window.Closing());
    EXPECT_FALSE(window.Timer().Enabled());
}

TEST_F(Lifecycle, CloseDuringAFetchCancelsItAndSavesThePosition) {
    DemoServiceProcess demo({"--fault", "silent"});
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    WhenReady during([&] { return window.Http().Busy(); },
                     [&] {
                         window.position(321, 123);
                         window.do_callback();
                     });
    ASSERT_TRUE(RunUntil([&] { return !window.shown() && !window.Http().Busy(); }, std::chrono::seconds(5)))
        << "the waiting fetch did not end with the close";
    EXPECT_TRUE(answerer_.Texts().empty()) << "no failure message after the close";
    EXPECT_TRUE(ReadIni().starts_with("321\r\n123\r\n"));
    EXPECT_FALSE(window.Timer().Enabled());
}

TEST_F(Lifecycle, AboutOpensOnTheMainWindowsCornerWhereverItWasMoved) {
    DemoServiceProcess demo({"--interval", "3600"});
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    TLOOK_ABOUT about("Lookout 050504");
    window.SetAboutDialog([&]() -> TLOOK_ABOUT& { return about; });
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    window.position(250, 300);
    int seen = 0;
    WhenReady whileOpen([&] { return about.shown(); },
                        [&] {
                            EXPECT_EQ(about.x(), 250);
                            EXPECT_EQ(about.y(), 300);
                            EXPECT_TRUE(Fl::modal() == &about);
                            ++seen;
                            about.hide();
                        });
    window.AboutButton()->do_callback();
    EXPECT_EQ(seen, 1);
    EXPECT_FALSE(about.shown());
    EXPECT_TRUE(Idle()) << "closing the dialog runs no activation again";
}

}  // namespace
}  // namespace lookout::test
