// The program against a status service that misbehaves on purpose, and
// against hostile settings files: the window stays responsive, every wait
// ends, nothing crashes and no setting is lost.
#include <FL/Fl.H>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <optional>

#include "monitor/SlotTable.h"
#include "tests/window/MainWindowFixture.h"

namespace lookout::test {
namespace {

using std::chrono::seconds;

// The window's limit for each network wait, shortened so that a run of
// failing fetches ends quickly.
constexpr int kTimeOut = 1000;

class Hostile : public MainWindowFixture {
protected:
    TLOOK_MAIN& OpenWithTimeOut() {
        window_ = std::make_unique<TLOOK_MAIN>(pump_, hints_, iniPath_, LoadSettings(iniPath_));
        window_->Core().Http().TimeOut = kTimeOut;
        window_->SetShellOpener([this](const std::string& target) { opened_.push_back(target); });
        window_->show();
        return *window_;
    }

    // While the first fetch waits: a real click on Site through the X server
    // is answered and a repaint happens; a frozen window answers neither
    // before the watchdog. `then` runs right after, still inside the wait.
    // Returns once the activation has ended.
    void ExpectResponsiveWhileFetching(TLOOK_MAIN& window, const std::function<void()>& then = [] {}) {
        bool checked = false;
        WhenReady during([&] { return window.Http().Busy(); },
                         [&] {
                             // A fetch can begin before the window is mapped; a
                             // click sent then goes to the root window.
                             ASSERT_TRUE(WaitExposed(window));
                             window.redraw();
                             const std::string click = "xdotool mousemove " +
                                                       std::to_string(window.x() + 460) + " " +
                                                       std::to_string(window.y() + 25) + " click 1";
                             ASSERT_EQ(std::system(click.c_str()), 0);
                             EXPECT_TRUE(RunUntil([&] { return !opened_.empty() && !window.damage(); }))
                                 << "no click or repaint while the fetch waits";
                             checked = true;
                             then();
                         });
        ASSERT_TRUE(RunUntil([&] { return checked; }, seconds(20)));
    }

    void ExpectIniKeptWithPosition(const std::string& before, int left, int top) {
        StringList lines(before);
        lines.Put(0, std::to_string(left));
        lines.Put(1, std::to_string(top));
        EXPECT_EQ(ReadIni(), lines.Text());
    }
};

TEST_F(Hostile, EveryFaultEndsInBoundedTimeWithTheWindowAlive) {
    const struct {
        const char* fault;
        bool waits;      // whether a fetch waits long enough to click during it
        // Whether the status page still reaches the panel; garbage may or may
        // not frame as a reply.
        std::optional<bool> pagesRead;
    } cases[] = {
        {"mode=silent", true, false},       {"mode=slow&ms=3000", true, false},
        {"mode=slow&ms=200", false, true},  {"mode=endless", false, false},
        {"mode=huge", false, false},        {"mode=redirect", false, false},
        {"mode=noheaderend", false, false}, {"mode=garbage", false, std::nullopt},
        {"mode=early-close", false, false}, {"mode=reset", false, false},
        {"mode=nuls", false, true},         {"mode=badeuc", false, true},
        {"mode=manylines", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        DemoServiceProcess demo({"--interval", "3600"});
        demo.SetFault(c.fault);
        const std::string ini = IniFor(demo, "six\r\n");
        WriteIni(ini);
        TLOOK_MAIN& window = OpenWithTimeOut();
        if (c.waits) ExpectResponsiveWhileFetching(window);
        // Four fetches, each bounded by the time-out (or by the size and
        // redirect limits), plus the message boxes.
        ASSERT_TRUE(RunUntil([&] { return Idle(); }, seconds(30))) << "the activation did not end";
        const std::string& count1 = window.Panel().Slot(0).count1->Text();
        if (c.pagesRead) {
            EXPECT_EQ(count1 != "0/0", *c.pagesRead) << count1;
        }
        window.ReloadButton()->do_callback();
        EXPECT_TRUE(Idle());
        window.position(12, 34);
        window.do_callback();
        EXPECT_FALSE(window.shown());
        ExpectIniKeptWithPosition(ini, 12, 34);
        window_.reset();
    }
}

TEST_F(Hostile, TrickleKeepsTheWindowAliveAndTheCloseEndsIt) {
    DemoServiceProcess demo({"--interval", "3600"});
    demo.SetFault("mode=trickle&ms=1000");
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = OpenWithTimeOut();
    // Each byte restarts the pause limit, so only the close ends this fetch;
    // should it not, the watchdog fails the test and ends the fetch itself.
    THttpClient& http = window.Core().Http();
    const Fl_Timeout_Handler watchdog = [](void* client) {
        ADD_FAILURE() << "the close did not end the trickling fetch";
        static_cast<THttpClient*>(client)->Cancel();
    };
    ExpectResponsiveWhileFetching(window, [&] {
        window.do_callback();
        Fl::add_timeout(20.0, watchdog, &http);
    });
    Fl::remove_timeout(watchdog, &http);
    EXPECT_FALSE(window.shown());
    EXPECT_FALSE(window.Http().Busy());
    EXPECT_TRUE(answerer_.Texts().empty());
}

TEST_F(Hostile, HugeSettingsFileComesBackWhole) {
    DemoServiceProcess demo({"--interval", "3600"});
    std::string ini = IniFor(demo);
    for (int i = 0; i < 100000; ++i) ini += "line " + std::to_string(i) + " \x81\x40\xff\x01\r\n";
    WriteIni(ini);
    TLOOK_MAIN& window = OpenWithTimeOut();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }, seconds(30)));
    window.position(5, 6);
    window.do_callback();
    ExpectIniKeptWithPosition(ini, 5, 6);
}

TEST_F(Hostile, BinaryAddressLinesFailTheFetchesAndSurviveTheClose) {
    const std::string ini = std::string("1\r\n2\r\n\xff\xfe\x01http://\x80\x80\r\n") +
                            "http://127.0.0.1:1/\x1b[31m\r\n\x82\xa0\t\x7f\r\n\x90\x91\r\n";
    WriteIni(ini);
    TLOOK_MAIN& window = OpenWithTimeOut();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }, seconds(30)));
    EXPECT_EQ(answerer_.Texts().size(), 2u) << "the interval and address messages";
    window.do_callback();
    ExpectIniKeptWithPosition(ini, window.x(), window.y());
}

TEST_F(Hostile, ReadOnlySettingsFileIsReportedAndLeftIntactAndTheWindowCloses) {
    DemoServiceProcess demo({"--interval", "3600"});
    const std::string ini = IniFor(demo, "kept\r\n");
    WriteIni(ini);
    TLOOK_MAIN& window = OpenWithTimeOut();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }, seconds(30)));
    chmod(iniPath_.c_str(), 0444);
    window.do_callback();
    EXPECT_FALSE(window.shown());
    EXPECT_EQ(ReadIni(), ini);
    ASSERT_EQ(answerer_.Texts().size(), 1u);
    EXPECT_EQ(answerer_.Icons()[0], MessageIcon::Stop);
}

}  // namespace
}  // namespace lookout::test
