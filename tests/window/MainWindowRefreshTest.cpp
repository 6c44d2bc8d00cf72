// The refresh cycle end to end: the real window, the real network layer and
// the demo service, with the pixels on screen and the real boxes as the judge.
// The cycle's own rules are tested without a window (RefreshCycleTest).
#include "monitor/PageReaders.h"
#include "monitor/SlotTable.h"
#include "window/SlotLayout.h"
#include "tests/window/MainWindowFixture.h"
#include "platform/DisplayText.h"
#include "tests/support/PanelModel.h"
#include "tests/support/Sjis.h"
#include "tests/support/Gui.h"
#include "tests/net/TlsPeers.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace lookout::test {
namespace {

// One world state for the whole test: the pages change once an interval.
const std::vector<std::string> kFrozen = {"--interval", "3600", "--seed", "7"};

// The panel the window should show: the same pages through the readers, the
// address page converted by iconv.
PanelModel Expected(const DemoServiceProcess& demo) {
    PanelModel model;
    ReadAddressPage(ToCp932(BodyOf(RawGet(demo.Port(), "/ipmap/world1").bytes), "EUC-JP"), model);
    ReadStatusPage(BodyOf(RawGet(demo.Port(), "/world1/status.txt").bytes), model);
    ReadPartyPage(BodyOf(RawGet(demo.Port(), "/world1/party.txt").bytes), model);
    return model;
}

void ExpectPanelShows(TLOOK_MAIN& window, const PanelModel& model) {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotDef& def = kSlots[i];
        const SlotPlace& at = kSlotPlaces[i];
        const SlotState& want = model.slots[i];
        const SlotWidgets& slot = window.Panel().Slot(i);
        SCOPED_TRACE(std::string(def.key));
        EXPECT_EQ(PixelAt(window, at.left + 37, at.top + 29), want.box);
        EXPECT_EQ(slot.count1->Text(), want.count1);
        EXPECT_EQ(slot.count2->Text(), want.count2);
        EXPECT_EQ(slot.box->Hint(), want.hint);
        if (def.game) {
            EXPECT_EQ(PixelAt(window, at.left + 28, at.top + 15), want.party);
            EXPECT_EQ(PixelAt(window, at.left + 36, at.top + 15), want.guild);
        }
    }
}

using Refresh = MainWindowFixture;

TEST_F(Refresh, ActivationPaintsTheWholePanelAndStartsTheTimer) {
    DemoServiceProcess demo(kFrozen);
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_EQ(window.Caption(), Sjis(u8"Lookout 050504 (3600秒/world1)"));
    EXPECT_EQ(IconName(window), SjisToUtf8(window.Caption())) << "the whole caption, \"/\" and all";
    EXPECT_EQ(window.LoadTime(), "3600");
    EXPECT_EQ(window.Timer().Interval(), 3600000);
    EXPECT_TRUE(answerer_.Texts().empty());
    const PanelModel model = Expected(demo);
    ExpectPanelShows(window, model);
    int coloured = 0, hinted = 0;
    for (const SlotState& s : model.slots) {
        coloured += s.box != kWhite;
        hinted += !s.hint.empty();
    }
    EXPECT_GT(coloured, 20) << "the demo pages colour most boxes";
    EXPECT_EQ(hinted, 26);
    for (Fl_Button* b : {window.ReloadButton(), window.JumpUrlButton(), window.AboutButton()})
        EXPECT_TRUE(b->active());
}

TEST_F(Refresh, HttpsThroughNginxPaintsTheWholePanel) {
    DemoServiceProcess demo(kFrozen);
    NginxFront front(demo.Port());
    WriteIni("100\r\n80\r\n" + front.BaseUrl() + "\r\n" + front.BaseUrl() + "ipmap/\r\nworld1\r\n");
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_TRUE(answerer_.Texts().empty());
    EXPECT_EQ(window.LoadTime(), "3600");
    ExpectPanelShows(window, Expected(demo));
}

TEST_F(Refresh, AddressPageFailureShowsItsMessageBoxAndTheRestGoesOn) {
    DemoServiceProcess demo(kFrozen);
    demo.SetFault("mode=reset&path=/ipmap/world1");
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    ASSERT_EQ(answerer_.Texts().size(), 1u);
    EXPECT_EQ(answerer_.Texts()[0], Sjis(u8"IP/MAP対応表の取得に失敗しました。\nヒントを出しません。"));
    EXPECT_EQ(answerer_.Icons()[0], MessageIcon::Plain);
    EXPECT_EQ(window.Panel().Slot(0).box->Hint(), "");
    EXPECT_NE(window.Panel().Slot(0).count1->Text(), "0/0");
}

TEST_F(Refresh, EmptyAddressPageShowsTheListIndexErrorInTheErrorBox) {
    DemoServiceProcess demo(kFrozen);
    demo.SetFault("mode=empty&path=/ipmap/world1");
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return answerer_.Texts().size() == 1 && !window.Http().Busy(); }));
    EXPECT_EQ(answerer_.Texts()[0], Sjis(u8"ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (0)"));
    EXPECT_EQ(answerer_.Icons()[0], MessageIcon::Stop);
    EXPECT_FALSE(window.Timer().Enabled());
    EXPECT_EQ(window.Caption(), Sjis(u8"IP/MAP対応表取得中..."));
    EXPECT_EQ(window.Panel().Slot(0).count1->Text(), "0/0") << "no refresh ran";
}

TEST_F(Refresh, ServiceGoingDownLeavesThePanelAsItWas) {
    auto demo = std::make_unique<DemoServiceProcess>(kFrozen);
    WriteIni(IniFor(*demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    const PanelModel model = Expected(*demo);
    demo->Stop();
    window.ReloadButton()->do_callback();
    EXPECT_TRUE(answerer_.Texts().empty()) << "status and party failures are silent";
    EXPECT_EQ(window.Caption(), Sjis(u8"Lookout 050504 (3600秒/world1)"));
    EXPECT_TRUE(window.ReloadButton()->active());
    ExpectPanelShows(window, model);
}

TEST_F(Refresh, APageThatStartsFailingWritesOneLineAndOneWhenItReadsAgain) {
    struct Capture {
        std::ostringstream text;
        std::streambuf* was = std::cerr.rdbuf(text.rdbuf());
        ~Capture() { std::cerr.rdbuf(was); }
    } err;
    DemoServiceProcess demo(kFrozen);
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_EQ(err.text.str(), "") << "pages that read say nothing";
    const std::string url = demo.BaseUrl() + "world1/status.txt";
    demo.SetFault("mode=reset&path=/status.txt");
    window.ReloadButton()->do_callback();
    const std::string failed = err.text.str();
    EXPECT_TRUE(failed.starts_with("lookout: cannot read the status page " + url + ": ")) << failed;
    EXPECT_EQ(std::count(failed.begin(), failed.end(), '\n'), 1) << failed;
    window.ReloadButton()->do_callback();
    EXPECT_EQ(err.text.str(), failed) << "nothing for a further tick of the same state";
    demo.SetFault("mode=normal");
    window.ReloadButton()->do_callback();
    EXPECT_EQ(err.text.str(), failed + "lookout: the status page reads again: " + url + "\n");
    EXPECT_TRUE(answerer_.Texts().empty()) << "no box for the status page";
}

TEST_F(Refresh, RealPointerOverABoxAndItsLabelsShowsTheBoxHint) {
    DemoServiceProcess demo(kFrozen);
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    const auto moveTo = [&](int x, int y) {
        const std::string command = "xdotool mousemove " + std::to_string(window.x() + x) + " " +
                                    std::to_string(window.y() + y);
        ASSERT_EQ(std::system(command.c_str()), 0);
    };
    // Over count label 1 of Game02, then over its party indicator.
    for (const auto& [x, y] : {std::pair{45, 32 + 16}, std::pair{67, 32 + 15}}) {
        SCOPED_TRACE(x);
        moveTo(x, y);
        ASSERT_TRUE(RunUntil([&] { return hints_.Visible(); }, std::chrono::seconds(5)));
        EXPECT_EQ(hints_.VisibleText(), window.Panel().Slot(12).box->Hint());
        moveTo(520, 10);  // the gap between the buttons
        ASSERT_TRUE(RunUntil([&] { return !hints_.Visible(); }, std::chrono::seconds(5)));
    }
}

TEST_F(Refresh, SiteOpensTheTwoTextsJoined) {
    DemoServiceProcess demo(kFrozen);
    WriteIni(IniFor(demo));
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    window.JumpUrlButton()->do_callback();
    EXPECT_EQ(opened_, std::vector<std::string>{demo.BaseUrl() + "world1"});
}

}  // namespace
}  // namespace lookout::test
