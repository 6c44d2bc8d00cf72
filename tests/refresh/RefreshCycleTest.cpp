// The refresh cycle without a window: a scripted server on the poll pump, the
// window timer on a hand-driven clock, and a face that records what it is told.
#include <gtest/gtest.h>

#include <random>

#include "refresh/RefreshCycle.h"
#include "platform/PollPump.h"
#include "tests/net/LoopbackServers.h"
#include "tests/support/FakeClock.h"
#include "tests/support/LookoutRequest.h"
#include "tests/support/PanelModel.h"
#include "tests/support/Sjis.h"

namespace lookout::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kPageNames[] = {"interval", "addresses", "status", "party"};

// Everything the cycle shows, in order, as one line per event.
struct RecordingFace : RefreshFace {
    std::vector<std::string> events;
    std::vector<std::string> messages;  // message and error boxes
    std::vector<std::string> outcomes;  // each finished refresh, summed up
    std::function<void(const std::string&)> onCaption = [](const std::string&) {};

    void SetCaption(const std::string& sjis) override {
        events.push_back("caption " + sjis);
        onCaption(sjis);
    }
    void EnableButtons(bool enabled) override { events.push_back(enabled ? "buttons on" : "buttons off"); }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowError(const std::exception& error) override { messages.push_back(error.what()); }
    void PageFetched(Page, const std::string& url, const std::exception* failure) override {
        events.push_back("get " + url + (failure ? " failed" : ""));
    }
    void RefreshFinished(const RefreshOutcome& o) override {
        std::string failed;
        for (const PageFetch& fetch : o.pages)
            if (fetch.failure) failed += std::string(" ") + kPageNames[int(fetch.page)] + ": " + *fetch.failure;
        outcomes.push_back(std::string(o.activation ? "activation" : "refresh") + (o.completed ? "" : " cut short") +
                           ", read " + std::to_string(o.PagesRead()) + ", dropped " +
                           std::to_string(o.droppedTicks) + failed);
    }
};

Reply Raw(const std::string& bytes) {
    static std::mt19937 rng(11);
    return Reply{RandomPieces(bytes, 7, rng)};
}

Reply Ok(const std::string& body) { return Raw("HTTP/1.0 200 OK\r\n\r\n" + body); }

const std::string kAddressPage = "heading\r\nLoginServer 192.0.2.1 6900 x map</p>\r\n";

class Cycle : public ::testing::Test {
protected:
    void SetUp() override {
        // A hang becomes a failure: the close cancels whatever fetch waits.
        watchdog_ = pump.StartTimer(20s, [this] {
            ADD_FAILURE() << "watchdog: the cycle hung";
            if (cycle) cycle->Close();
        });
    }
    void TearDown() override { pump.StopTimer(watchdog_); }

    // A suffix ending in "/" and a map base without one: nothing is added or
    // removed between the texts.
    RefreshCycle& Start(int port) {
        const std::string base = "http://127.0.0.1:" + std::to_string(port);
        const Settings settings{0, 0, base + "/", base + "/ip", "w1/"};
        cycle = std::make_unique<RefreshCycle>(pump, clock, panel, face, settings);
        return *cycle;
    }
    // Runs action from the pump as soon as the caption becomes `caption`,
    // that is inside the fetch that follows it.
    void InFetchAfter(const std::string& caption, std::function<void()> action) {
        face.onCaption = [this, caption, action](const std::string& now) {
            if (now == caption) pump.StartTimer(0ms, action);
        };
    }
    std::string Normal(const std::string& loadTime) const {
        return "caption " + Sjis(u8"Lookout 050504 (") + loadTime + Sjis(u8"秒/w1/)");
    }

    PollPump pump;
    FakeClock clock;
    PanelModel panel;
    RecordingFace face;
    std::unique_ptr<RefreshCycle> cycle;

private:
    TimerService::TimerId watchdog_ = 0;
};

TEST_F(Cycle, ActivationFetchesTheFourPagesInOrderWithTheirCaptions) {
    HttpServer server(pump, {Ok("60\r\n"), Ok(kAddressPage), Ok("LoginServer,Good,1,2,3\r\n"),
                             Ok("GameServer01,x,good,y,dead,z\r\n")});
    RefreshCycle& core = Start(server.Port());
    core.FormActivate();

    const std::string site = "http://127.0.0.1:" + std::to_string(server.Port()) + "/w1/";
    EXPECT_EQ(face.events, (std::vector<std::string>{
                               "caption " + Sjis(u8"更新時間取得中..."), "get " + site + "/loadtime.txt",
                               "caption " + Sjis(u8"IP/MAP対応表取得中..."),
                               "get http://127.0.0.1:" + std::to_string(server.Port()) + "/ipw1/",
                               "caption " + Sjis(u8"ServerStatus更新中..."), "buttons off",
                               "get " + site + "/status.txt", Normal("60"), "buttons on",
                               "caption " + Sjis(u8"PT/GuildStatus更新中..."), "buttons off",
                               "get " + site + "/party.txt", Normal("60"), "buttons on", Normal("60")}));
    const auto request = [](const std::string& path) { return LookoutRequest(path, "127.0.0.1"); };
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{request("/w1//loadtime.txt"), request("/ipw1/"),
                                                           request("/w1//status.txt"), request("/w1//party.txt")}));
    EXPECT_TRUE(face.messages.empty());
    EXPECT_EQ(core.SiteUrl(), site);
    EXPECT_TRUE(core.Timer().Enabled());
    EXPECT_EQ(core.Timer().Interval(), 60000);
    EXPECT_EQ(panel.slots[0].hint, "192.0.2.1:6900\nmap");
    EXPECT_EQ(panel.slots[0].count1, "1/2");
    EXPECT_EQ(panel.slots[11].guild, (Rgb{255, 207, 207}));
}

TEST_F(Cycle, IntervalPageBodies) {
    const struct {
        std::string body;
        std::string loadTime;
        std::int64_t interval;
    } cases[] = {
        {"60\r\n", "60", 60000},
        {" 45 \t\r\n\r\n", " 45", 45000},
        {"$3C", "$3C", 60000},
        {"0", "0", 0},  // a timer that never fires: only Reload refreshes
        {"-5\n", "-5", -5000},
        {"9999999", "9999999", TTimer::kMaxInterval},
        {"abc", "*120", 120000},
        {"", "*120", 120000},
        {"1.5\r\n", "*120", 120000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        face = RecordingFace();
        HttpServer server(pump, {Ok(c.body), Ok("heading\r\n"), Ok("")});
        RefreshCycle& core = Start(server.Port());
        core.FormActivate();
        EXPECT_EQ(core.LoadTime(), c.loadTime);
        EXPECT_EQ(core.Timer().Interval(), c.interval);
        EXPECT_EQ(face.events.back(), Normal(c.loadTime));
        EXPECT_EQ(face.messages.size(), c.loadTime == "*120" ? 1u : 0u);
    }
}

TEST_F(Cycle, ServiceDownShowsTheTwoMessagesAndLeavesThePanel) {
    RefusingPort down;
    RefreshCycle& core = Start(down.Port());
    core.FormActivate();
    EXPECT_EQ(face.messages, (std::vector<std::string>{
                                 Sjis(u8"loadtime.txtの取得に失敗しました。\n更新時間を120秒と仮定します。"),
                                 Sjis(u8"IP/MAP対応表の取得に失敗しました。\nヒントを出しません。")}))
        << "status and party failures are silent";
    EXPECT_EQ(face.events.back(), Normal("*120"));
    EXPECT_EQ(core.Timer().Interval(), 120000);
    EXPECT_TRUE(core.Timer().Enabled());
    EXPECT_EQ(panel.slots, PanelModel().slots);
}

TEST_F(Cycle, EmptyAddressPageEndsTheSequenceUntilReload) {
    HttpServer server(pump, {Ok("60"), Ok(""), Ok("LoginServer,Good,1,2,3\r\n")});
    RefreshCycle& core = Start(server.Port());
    core.Activate();
    EXPECT_EQ(face.messages, std::vector<std::string>{Sjis(u8"ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (0)")})
        << "shown in the error box";
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(face.events.back(), "get http://127.0.0.1:" + std::to_string(server.Port()) + "/ipw1/");
    EXPECT_FALSE(core.Timer().Enabled());
    core.B_ReloadClick();
    EXPECT_TRUE(core.Timer().Enabled());
    EXPECT_EQ(panel.slots[0].count1, "1/2");
}

TEST_F(Cycle, TickOrReloadDuringAFetchStartsNoSecondRequest) {
    HttpServer server(pump, {Ok("")});
    RefreshCycle& core = Start(server.Port());
    int nested = 0;
    InFetchAfter(Sjis(u8"ServerStatus更新中..."), [&] {
        EXPECT_TRUE(core.Busy());
        core.TIMERTimer();
        core.B_ReloadClick();
        ++nested;
    });
    core.B_ReloadClick();
    EXPECT_EQ(nested, 1);
    const std::string site = "get http://127.0.0.1:" + std::to_string(server.Port()) + "/w1/";
    EXPECT_EQ(face.events, (std::vector<std::string>{"caption " + Sjis(u8"ServerStatus更新中..."), "buttons off",
                                                     site + "/status.txt", Normal(""), "buttons on",
                                                     "caption " + Sjis(u8"PT/GuildStatus更新中..."), "buttons off",
                                                     site + "/party.txt", Normal(""), "buttons on"}))
        << "the nested tick and click did nothing";
    EXPECT_TRUE(core.Timer().Enabled());
}

TEST_F(Cycle, ReloadRestartsTheCountdown) {
    HttpServer server(pump, {Ok("60"), Ok(kAddressPage), Ok("")});
    RefreshCycle& core = Start(server.Port());
    core.FormActivate();
    ASSERT_EQ(server.Requests().size(), 4u);
    clock.Advance(55s);
    EXPECT_EQ(server.Requests().size(), 4u);
    core.B_ReloadClick();
    EXPECT_EQ(server.Requests().size(), 6u);
    clock.Advance(59999ms);
    EXPECT_EQ(server.Requests().size(), 6u) << "a tick due 5 s after the Reload";
    clock.Advance(1ms);
    EXPECT_EQ(server.Requests().size(), 8u);
}

TEST_F(Cycle, FaceHearsHowEachRefreshEnded) {
    HttpServer server(pump, {Ok("60"), Ok(kAddressPage), Ok(""), Reply{}, Ok(""), Ok(""), Ok("60"), Ok("")});
    RefreshCycle& core = Start(server.Port());
    core.FormActivate();
    InFetchAfter(Sjis(u8"ServerStatus更新中..."), [&] {
        core.TIMERTimer();
        core.B_ReloadClick();
    });
    clock.Advance(60s);
    face.onCaption = [](const std::string&) {};
    core.Activate();  // again, on an empty address page
    EXPECT_EQ(face.outcomes, (std::vector<std::string>{
                                 "activation, read 3, dropped 0 party: Connection Closed Before Line End",
                                 "refresh, read 2, dropped 2",
                                 "activation cut short, read 2, dropped 0",
                             }));
    EXPECT_EQ(face.messages.size(), 1u) << "the list-index error box";
}

TEST_F(Cycle, MonitoringRulesBoundTheRefreshAndRefuseFailedReplies) {
    const Reply silent{{}, false};
    const std::string status = "LoginServer,Good,1,2,3\r\n";
    const struct {
        const char* name;
        FetchRules rules;
        Reply addresses, status;
        std::string outcome;
    } cases[] = {
        {"the window reads any body", {}, Ok(kAddressPage), Raw("HTTP/1.0 500 Oops\r\n\r\n" + status),
         "activation, read 4, dropped 0"},
        {"500", {0ms, true}, Ok(kAddressPage), Raw("HTTP/1.0 500 Oops\r\n\r\n" + status),
         "activation, read 3, dropped 0 status: HTTP/1.0 500 Oops"},
        {"no status line", {0ms, true}, Ok(kAddressPage), Raw("Server: x\r\n\r\n" + status),
         "activation, read 3, dropped 0 status: No Status Line"},
        {"404 address page", {0ms, true}, Raw("HTTP/1.0 404\r\n\r\n" + kAddressPage), Ok(status),
         "activation, read 3, dropped 0 addresses: HTTP/1.0 404"},
        {"silent address page", {400ms, false}, silent, Ok(status),
         "activation, read 3, dropped 0 addresses: Request Timed Out"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        face = RecordingFace();
        panel = PanelModel();
        HttpServer server(pump, {Ok("60"), c.addresses, c.status, Ok("")});
        RefreshCycle& core = Start(server.Port());
        core.SetFetchRules(c.rules);
        core.FormActivate();
        EXPECT_EQ(face.outcomes, std::vector<std::string>{c.outcome});
        EXPECT_EQ(panel.slots[0].count1, c.outcome.find("status:") == std::string::npos ? "1/2" : "0/0");
    }
}

TEST_F(Cycle, CloseDuringAFetchCancelsItAndEndsTheSequence) {
    for (const char8_t* phase : {u8"更新時間取得中...", u8"IP/MAP対応表取得中...", u8"ServerStatus更新中..."}) {
        const std::string caption = Sjis(phase);
        SCOPED_TRACE(caption);
        face = RecordingFace();
        HttpServer server(pump, {Ok("60"), Ok(kAddressPage), Ok("")});
        RefreshCycle& core = Start(server.Port());
        InFetchAfter(caption, [&] { core.Close(); });
        core.FormActivate();
        EXPECT_TRUE(face.messages.empty()) << "no failure message after the close";
        EXPECT_FALSE(core.Busy());
        EXPECT_FALSE(core.Timer().Enabled());
        const auto closedAt = std::find(face.events.begin(), face.events.end(), "caption " + caption);
        ASSERT_NE(closedAt, face.events.end());
        const auto laterPhase = [](const std::string& e) { return e.starts_with("caption ") && e.ends_with("..."); };
        EXPECT_TRUE(std::none_of(closedAt + 1, face.events.end(), laterPhase)) << "no later page was fetched";
        const std::size_t requests = server.Requests().size();
        core.B_ReloadClick();
        core.TIMERTimer();
        EXPECT_EQ(server.Requests().size(), requests);
        EXPECT_FALSE(core.Timer().Enabled());
    }
}

}  // namespace
}  // namespace lookout::test
