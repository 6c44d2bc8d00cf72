// What the main window puts on the wire, against a scripted server on the
// window's own pump, and how it reads the interval page.
#include "tests/gui/MainWindowFixture.h"
#include "tests/net/LoopbackServers.h"
#include "tests/support/LookoutRequest.h"
#include "tests/support/Sjis.h"

namespace lookout::test {
namespace {

std::string Request(const std::string& path) { return LookoutRequest(path, "127.0.0.1"); }

Reply Ok(const std::string& body) { return Reply{{"HTTP/1.0 200 OK\r\n\r\n" + body}}; }

class Requests : public MainWindowFixture {
protected:
    // SERVER.INI naming the scripted server, with a suffix ending in "/" and
    // a map base without one, to show that nothing is added or removed.
    void WriteIniFor(const HttpServer& server) {
        const std::string base = "http://127.0.0.1:" + std::to_string(server.Port());
        WriteIni("0\r\n0\r\n" + base + "/\r\n" + base + "/ip\r\nw1/\r\n");
    }
};

TEST_F(Requests, EveryFetchSendsTheEightHeaderLinesToTheConcatenatedUrl) {
    HttpServer server(pump_, {Ok("60\r\n"), Ok("heading\r\nLoginServer 192.0.2.1 6900 x map</p>\r\n"),
                              Ok("LoginServer,Good,1,2,3\r\n"), Ok("GameServer01,x,good,y,dead,z\r\n")});
    WriteIniFor(server);
    TLOOK_MAIN& window = Open();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    ASSERT_EQ(server.Requests().size(), 4u);
    EXPECT_EQ(server.Requests()[0], Request("/w1//loadtime.txt"));
    EXPECT_EQ(server.Requests()[1], Request("/ipw1/"));
    EXPECT_EQ(server.Requests()[2], Request("/w1//status.txt"));
    EXPECT_EQ(server.Requests()[3], Request("/w1//party.txt"));
    EXPECT_EQ(window.LoadTime(), "60");
    EXPECT_EQ(window.Timer().Interval(), 60000);
    EXPECT_EQ(window.Caption(), Sjis(u8"Lookout 050504 (60秒/w1/)"));
    EXPECT_EQ(window.Panel().Slot(0).box->Hint(), "192.0.2.1:6900\nmap");
    EXPECT_EQ(window.Panel().Slot(0).count1->Text(), "1/2");
}

TEST_F(Requests, IntervalPageBodies) {
    const struct {
        std::string body;
        std::string loadTime;
        std::int64_t interval;
        bool message;
    } cases[] = {
        {"60\r\n", "60", 60000, false},
        {" 45 \t\r\n\r\n", " 45", 45000, false},
        {"$3C", "$3C", 60000, false},
        {"0", "0", 0, false},  // a timer that never fires: only Reload refreshes
        {"-5\n", "-5", -5000, false},
        {"abc", "*120", 120000, true},
        {"", "*120", 120000, true},
        {"1.5\r\n", "*120", 120000, true},
        {"9999999", "9999999", TTimer::kMaxInterval, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        HttpServer server(pump_, {Ok(c.body), Ok("heading\r\n"), Ok(""), Ok("")});
        WriteIniFor(server);
        const std::size_t messagesBefore = answerer_.Texts().size();
        TLOOK_MAIN& window = Open();
        ASSERT_TRUE(RunUntil([&] { return !window.Http().Busy() && server.Requests().size() == 4; }));
        EXPECT_EQ(window.LoadTime(), c.loadTime);
        EXPECT_EQ(window.Timer().Interval(), c.interval);
        EXPECT_EQ(answerer_.Texts().size() - messagesBefore, c.message ? 1u : 0u);
        window_.reset();
    }
}

}  // namespace
}  // namespace lookout::test
