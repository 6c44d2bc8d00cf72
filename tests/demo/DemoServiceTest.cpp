// The running program: its ready line and port file, the pages over real
// sockets, faults set at run time, refusal, and a clean stop.
#include <gtest/gtest.h>

#include "platform/LoopbackAddress.h"
#include "platform/Socket.h"
#include "platform/StringList.h"
#include "tests/support/DemoService.h"
#include "tests/support/Wine.h"
#include "demo/DemoServers.h"

namespace lookout::test {
namespace {

using namespace std::chrono_literals;

TEST(DemoServiceProgram, ServesEveryPageUnderTheMonitorsPaths) {
    DemoServiceProcess service({"--interval", "7", "--seed", "3"});
    EXPECT_EQ(BodyOf(RawGet(service.Port(), "/world1/loadtime.txt").bytes), "7\r\n");

    const RawReply status = RawGet(service.Port(), "/world1/status.txt");
    EXPECT_EQ(status.error, 0);
    EXPECT_TRUE(status.bytes.starts_with("HTTP/1.0 200 OK\r\n"));
    const auto lines = SplitLines(BodyOf(status.bytes));
    ASSERT_EQ(lines.size(), demo::kServerCount);
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i].starts_with(demo::kServerKeys[i]));

    EXPECT_EQ(SplitLines(BodyOf(RawGet(service.Port(), "/party.txt").bytes)).size(), 15u);
    EXPECT_EQ(SplitLines(BodyOf(RawGet(service.Port(), "/ipmap/world1").bytes)).size(), 27u);
    EXPECT_TRUE(RawGet(service.Port(), "/world1/").bytes.starts_with("HTTP/1.0 404 "));
    // The page the Site button opens: base URL and suffix.
    const std::string site = RawGet(service.Port(), "/world1").bytes;
    EXPECT_TRUE(site.starts_with("HTTP/1.0 200 OK\r\n"));
    EXPECT_NE(BodyOf(site).find("<td>GameServer15</td>"), std::string::npos);
    EXPECT_TRUE(RawExchange(service.Port(), "BLAH\r\n\r\n").bytes.starts_with("HTTP/1.0 400 "));
    if (!UnderWine()) {
        EXPECT_EQ(service.Stop(), 0);
    }
}

TEST(DemoServiceProgram, AnswersManyConnectionsAtOnce) {
    DemoServiceProcess service;
    // Open them all before any request, so a service that served one
    // connection at a time would hang on the first.
    const SocketLibrary sockets;
    std::vector<SocketHandle> fds;
    for (int i = 0; i < 40; ++i) {
        const SocketHandle fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = LoopbackAddress(service.Port());
        ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        fds.push_back(fd);
    }
    const RawReply last = RawGet(service.Port(), "/status.txt", 5s);
    EXPECT_FALSE(last.timedOut);
    EXPECT_TRUE(last.bytes.starts_with("HTTP/1.0 200 OK"));
    for (SocketHandle fd : fds) CloseSocket(fd);
}

TEST(DemoServiceProgram, FaultsApplyToTheirPagesUntilReset) {
    DemoServiceProcess service;
    const int port = service.Port();
    const std::string normalTime = RawGet(port, "/w/loadtime.txt").bytes;

    service.SetFault("mode=notfound&path=/status.txt");
    EXPECT_TRUE(RawGet(port, "/w/status.txt").bytes.starts_with("HTTP/1.0 404 "));
    EXPECT_TRUE(RawGet(port, "/w/party.txt").bytes.starts_with("HTTP/1.0 200 "));
    EXPECT_EQ(BodyOf(RawGet(port, "/control/state").bytes), "* normal\r\n/status.txt notfound\r\n");

    struct Case {
        const char* query;
        void (*check)(const RawReply&, const std::string& normal);
    };
    const Case cases[] = {
        {"mode=reset", [](const RawReply& r, const std::string&) { EXPECT_EQ(r.error, kConnectionReset); }},
        {"mode=early-close",
         [](const RawReply& r, const std::string&) {
             EXPECT_EQ(r.bytes, "HTTP/1.");
             EXPECT_EQ(r.error, 0);
         }},
        {"mode=garbage", [](const RawReply& r, const std::string&) { EXPECT_FALSE(r.bytes.starts_with("HTTP")); }},
        {"mode=empty", [](const RawReply& r, const std::string&) { EXPECT_EQ(BodyOf(r.bytes), ""); }},
        {"mode=slow&ms=50", [](const RawReply& r, const std::string& n) { EXPECT_EQ(r.bytes, n); }},
        {"mode=trickle&ms=1", [](const RawReply& r, const std::string& n) { EXPECT_EQ(r.bytes, n); }},
        {"mode=redirect",
         [](const RawReply& r, const std::string&) {
             EXPECT_NE(r.bytes.find("\r\nLocation: http://127.0.0.1:"), std::string::npos);
         }},
        {"mode=endless",
         [](const RawReply& r, const std::string&) {
             EXPECT_EQ(r.bytes.size(), 4u << 20);  // cut off by the reader, not ended by the service
             EXPECT_EQ(r.error, 0);
         }},
        {"mode=noheaderend",
         [](const RawReply& r, const std::string&) {
             EXPECT_EQ(r.bytes.size(), 4u << 20);
             EXPECT_EQ(r.bytes.find("\r\n\r\n"), std::string::npos);
         }},
        {"mode=huge",
         [](const RawReply& r, const std::string&) {
             EXPECT_NE(r.bytes.find("Content-Length: 104857600\r\n"), std::string::npos);
         }},
        {"mode=normal", [](const RawReply& r, const std::string& n) { EXPECT_EQ(r.bytes, n); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.query);
        if (std::string_view(c.query) == "mode=reset" && UnderWine()) continue;
        service.SetFault(c.query);
        const RawReply reply = RawGet(port, "/w/loadtime.txt", 10s, 4u << 20);
        EXPECT_FALSE(reply.timedOut);
        c.check(reply, normalTime);
    }

    service.SetFault("mode=silent");
    const RawReply silent = RawGet(port, "/w/loadtime.txt", 300ms);
    EXPECT_TRUE(silent.timedOut);
    EXPECT_EQ(silent.bytes, "");
    // The control pages are still served.
    EXPECT_TRUE(RawGet(port, "/control/state").bytes.starts_with("HTTP/1.0 200 "));
}

TEST(DemoServiceProgram, RefusedMeansNoListenerThenTheSamePortAgain) {
    DemoServiceProcess service;
    // Long enough that the first try below surely falls inside it.
    service.SetFault("mode=refused&ms=1000");
    EXPECT_EQ(RawGet(service.Port(), "/w/loadtime.txt").error, kConnectionRefused);
    // Nothing announces the listener's return: try until it answers, within
    // a watchdog's time.
    const auto end = std::chrono::steady_clock::now() + 20s;
    RawReply reply;
    do {
        reply = RawGet(service.Port(), "/w/loadtime.txt");
    } while (reply.error == kConnectionRefused && std::chrono::steady_clock::now() < end);
    EXPECT_TRUE(reply.bytes.starts_with("HTTP/1.0 200 OK"));
}

TEST(DemoServiceProgram, StopsCleanlyOnSigtermOrCtrlBreakEvenMidReply) {
    // ./run windows sends it Ctrl+C there instead, through a POSIX signal.
    if (UnderWine()) GTEST_SKIP() << "Wine has no console to send Ctrl+Break through";
    DemoServiceProcess service;
    service.SetFault("mode=trickle&ms=1000");
    const RawReply first = RawGet(service.Port(), "/w/loadtime.txt", 5s, 1);
    EXPECT_EQ(first.bytes, "H");
    EXPECT_EQ(service.Stop(), 0);
}

}  // namespace
}  // namespace lookout::test
