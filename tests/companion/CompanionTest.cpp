// lookout-status on the real refresh cycle against a scripted loopback
// service on the same pump, with the window timer on a hand-driven clock.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "FakeNotifications.h"
#include "companion/Companion.h"
#include "companion/DesktopNotifier.h"
#include "tests/net/LoopbackServers.h"
#include "tests/net/NetTestSupport.h"
#include "tests/support/FakeClock.h"

namespace lookout {
namespace {

using test::Reply;

std::string StatusPage(const std::string& game03 = "Good", int users = 100) {
    std::string page;
    for (const SlotDef& slot : kSlots) {
        if (slot.key == "GameServer15") continue;  // added below, in another place
        page += std::string(slot.key) + "," + (slot.key == "GameServer03" ? game03 : "Good") + "," +
                std::to_string(users) + ",5000,0\r\n";
    }
    return page + "GameServer15,Good,1,2,3\r\n";
}

std::string PartyPage(const std::string& guild01 = "good") {
    std::string page;
    for (int n = 1; n <= 15; ++n)
        page += "GameServer" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ",1,good,2," +
                (n == 1 ? guild01 : "good") + ",\n";
    return page;
}

class CompanionTest : public test::NetTest {
protected:
    // Connection n is answered with pages[n] in random pieces, after an "OK"
    // status line unless it brings its own; nullopt closes it without a reply.
    void Serve(const std::vector<std::optional<std::string>>& pages) {
        std::vector<Reply> replies;
        for (const auto& page : pages) {
            Reply reply;
            if (page)
                reply.pieces =
                    test::RandomPieces(page->starts_with("HTTP/") ? *page : "HTTP/1.0 200 OK\r\n\r\n" + *page, 97, rng_);
            replies.push_back(reply);
        }
        server_ = std::make_unique<test::HttpServer>(pump, replies);
        const std::string base = "http://127.0.0.1:" + std::to_string(server_->Port()) + "/";
        companion_ =
            std::make_unique<Companion>(pump, clock, Settings{0, 0, base, base + "map", "w"}, options, out, err);
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(server_->Port()) + "/" + path;
    }
    // The lines after the header and the table, without their timestamps.
    std::vector<std::string> WatchLines() const {
        std::istringstream text(out.str());
        std::vector<std::string> lines;
        std::size_t row = 0;
        for (std::string line; std::getline(text, line);)
            if (++row > kSlotCount + 1) lines.push_back(line.substr(line.find(' ') + 1));
        return lines;
    }

    test::FakeClock clock;
    Options options;
    std::ostringstream out, err;
    std::unique_ptr<Companion> companion_;

private:
    std::mt19937 rng_{7};
    std::unique_ptr<test::HttpServer> server_;
};

const std::string kAddresses = "heading\nLoginServer 10.0.0.1 6900 x map1234\n";

TEST_F(CompanionTest, OneShotExitStatusFollowsTheStatusPage) {
    const std::string notFound = "HTTP/1.0 404 Not Found\r\n\r\n";
    const struct {
        std::optional<std::string> status;
        std::string party;
        ExitStatus expected;
        std::string complaint;  // err's one line, from its start; empty: none
    } cases[] = {
        {StatusPage(), PartyPage(), kExitOk, ""},
        {StatusPage("Closed"), PartyPage(), kExitWarning, ""},
        {StatusPage("Dead"), PartyPage(), kExitWarning, ""},
        {StatusPage("Down"), PartyPage(), kExitCritical, ""},
        {StatusPage().substr(StatusPage().find('\n') + 1), PartyPage(), kExitCritical, ""},  // LoginServer missing
        {StatusPage(), notFound + PartyPage(), kExitOk, "cannot read the party page w/party.txt: HTTP/1.0 404 Not Found"},
        {std::nullopt, PartyPage(), kExitUnknown, "cannot read the status page w/status.txt: "},
        // The reply's terminal codes stay out of the line.
        {"HTTP/1.0 500 Internal\x1b[2J Error\r\n\r\n" + StatusPage(), PartyPage(), kExitUnknown,
         "cannot read the status page w/status.txt: HTTP/1.0 500 Internal [2J Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status.value_or("(no reply)").substr(0, 40) + " / " + c.party.substr(0, 20));
        out.str("");
        err.str("");
        Serve({"60", kAddresses, c.status, c.party});
        EXPECT_EQ(companion_->RunOnce(), c.expected);
        std::string complaint = c.complaint;
        if (const auto path = complaint.find(" w/"); path != std::string::npos) complaint.replace(path + 1, 0, Url(""));
        const std::string complaints = err.str();
        EXPECT_TRUE(complaints.starts_with(complaint.empty() ? "" : "lookout-status: " + complaint)) << complaints;
        EXPECT_EQ(std::count(complaints.begin(), complaints.end(), '\n'), complaint.empty() ? 0 : 1) << complaints;
        const std::string table = out.str();
        if (c.expected == kExitUnknown) {
            EXPECT_EQ(table, "");
        } else {
            EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), std::ptrdiff_t(kSlotCount + 1));
            EXPECT_EQ(table.find("good") == std::string::npos, c.party.starts_with(notFound)) << "- for the party words";
        }
    }
}

TEST_F(CompanionTest, OneShotJsonAndFailedSidePagesEachGetOneLine) {
    options.json = true;
    Serve({std::nullopt, std::nullopt, StatusPage(), std::nullopt});
    EXPECT_EQ(companion_->RunOnce(), kExitOk);
    const auto doc = nlohmann::json::parse(out.str());
    EXPECT_EQ(doc["source"], Url("w/status.txt"));
    EXPECT_EQ(doc["interval_s"], 120);  // the window's fallback
    EXPECT_EQ(doc["servers"][25]["counts"], "1/2");
    std::istringstream lines(err.str());
    std::vector<std::string> complaints;
    for (std::string line; std::getline(lines, line);) complaints.push_back(line);
    ASSERT_EQ(complaints.size(), 3u) << err.str();
    EXPECT_NE(complaints[0].find("(" + Url("w/loadtime.txt") + ": "), std::string::npos);
    EXPECT_NE(complaints[1].find("(" + Url("mapw") + ": "), std::string::npos);
    EXPECT_TRUE(complaints[2].starts_with("lookout-status: cannot read the party page " + Url("w/party.txt") + ": "));
}

TEST_F(CompanionTest, WatchSeesAServerGoDownAndComeBack) {
    test::FakeNotifications desktop;
    DesktopNotifier notifier(pump, std::chrono::seconds(10), [this](const std::string& line) { companion_->Complain(line); });
    Serve({"60", kAddresses, StatusPage(), PartyPage(),   //
           StatusPage("Down", 7), PartyPage(),            // the state changes, the counts too
           std::nullopt, PartyPage(),                     // the status page fails
           std::nullopt, PartyPage(),                     // again: no new line
           StatusPage("Good", 9), PartyPage("dead"),      // back, and a guild word changes
           StatusPage("Good", 11), PartyPage("dead")});   // counts alone: nothing
    ASSERT_TRUE(companion_->StartWatch(&notifier));
    for (int tick = 0; tick < 5; ++tick) clock.Advance(std::chrono::seconds(60));
    EXPECT_EQ(WatchLines(), (std::vector<std::string>{
                                "GameServer03 state Good -> Down (7/5000 0)",
                                "status page unreadable: " + Url("w/status.txt") + ": Connection Closed Before Line End",
                                "status page readable again",
                                "GameServer01 guild good -> dead",
                                "GameServer03 state Down -> Good (9/5000 0)",
                            }));
    const std::vector<std::string> shown = desktop.WaitFor(2);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], "GameServer03 is Down (was Good)\n");
    // The time gone is the watch's own clock's, the real one here.
    EXPECT_TRUE(shown[1].starts_with("GameServer03 is Good again after ")) << shown[1];
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace lookout
