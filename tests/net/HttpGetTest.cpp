// GETs against scripted loopback servers, with the real transport: the bytes
// on the wire, replies cut up every way, statuses and redirects.
#include <gtest/gtest.h>

#include <random>

#include "LoopbackServers.h"
#include "NetTestSupport.h"
#include "net/HttpClient.h"
#include "tests/support/LookoutRequest.h"

namespace lookout {
namespace {

using test::Reply;

class HttpGet : public test::NetTest {
protected:
    HttpGet() { http.TimeOut = 10000; }
    std::string Url(const test::HttpServer& server, const std::string& path) {
        return "http://127.0.0.1:" + std::to_string(server.Port()) + path;
    }
    THttpClient http{pump};
};

TEST_F(HttpGet, SendsTheHookedRequestExactlyAndKeepsTheReplyAsReceived) {
    const std::string header = "HTTP/1.0 200 OK\r\nServer: scripted\r\n\r\n";
    test::HttpServer server(pump, {Reply{{header + "line 1\r\nline 2\r\n"}}});
    int hookCalls = 0, resolved = 0;
    http.OnHostResolved = [&](TSockClient&) { ++resolved; };
    http.OnAboutToSend = [&](THttpClient& sender) {
        ++hookCalls;
        EXPECT_EQ(&sender, &http);
        EXPECT_EQ(sender.RequestHeader.Count(), 5u);
        EXPECT_TRUE(server.Requests().empty());  // nothing goes out before the hook
        test::AddLookoutLines(sender);
    };

    http.Get(Url(server, "/status.txt"));

    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], test::LookoutRequest("/status.txt", "127.0.0.1"));
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(resolved, 0);  // a dotted address needs no lookup
    EXPECT_EQ(http.StatusCode, 200);
    EXPECT_EQ(http.Header, header);
    EXPECT_EQ(http.Body, "line 1\r\nline 2\r\n");
    EXPECT_EQ(http.Host, "127.0.0.1");
    EXPECT_EQ(http.Port, server.Port());
    EXPECT_FALSE(http.Busy());
    EXPECT_FALSE(http.Connected());
}

TEST_F(HttpGet, TheSameReplyHoweverItIsCut) {
    std::string binary("\0\x01\xff\x82\xa0\x8e\xb1 \r\n\0end", 15);
    std::string big;
    for (int i = 0; big.size() < 40000; ++i) big += std::to_string(i) + (i % 7 ? " " : "\n");
    const std::string ok = "HTTP/1.0 200 OK\r\n";
    std::mt19937 rng(20050504);

    struct Case {
        const char* name;
        std::vector<std::string> pieces;
        std::string header, body;
        int status;
    };
    const std::string smallReply = ok + "X-A: 1\r\n\r\n" + binary;
    const Case cases[] = {
        {"one byte at a time", test::BytePieces(smallReply), ok + "X-A: 1\r\n\r\n", binary, 200},
        {"random pieces", test::RandomPieces(ok + "\r\n" + big, 700, rng), ok + "\r\n", big, 200},
        {"one piece above a receive block", {ok + "\r\n" + big}, ok + "\r\n", big, 200},
        {"line ends arriving later", {"HTTP/1.0 200 OK\r", "\nA: b\r", "\n\r", "\nbody"},
         "HTTP/1.0 200 OK\r\nA: b\r\n\r\n", "body", 200},
        {"bare LF line ends", {"HTTP/1.0 200 OK\nA: b\n\nbody\n"}, "HTTP/1.0 200 OK\nA: b\n\n", "body\n", 200},
        {"Content-Length below the data", {ok + "Content-Length: 3\r\n\r\n0123456789"},
         ok + "Content-Length: 3\r\n\r\n", "0123456789", 200},
        {"status without reason phrase", {"HTTP/1.0 200\r\n\r\nx"}, "HTTP/1.0 200\r\n\r\n", "x", 0},
        {"404 with its page", {"HTTP/1.0 404 Not Found\r\n\r\n<h1>gone</h1>"},
         "HTTP/1.0 404 Not Found\r\n\r\n", "<h1>gone</h1>", 404},
        {"empty body", {ok + "\r\n"}, ok + "\r\n", "", 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::HttpServer server(pump, {Reply{c.pieces}});
        http.Get(Url(server, "/p"));
        EXPECT_EQ(http.StatusCode, c.status);
        EXPECT_EQ(http.Header, c.header);
        EXPECT_EQ(http.Body, c.body);
    }
}

TEST_F(HttpGet, FollowsARedirectToANamedSecondHost) {
    test::HttpServer second(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\nsecond body"}}});
    test::DnsServer dns(pump, {{"second.test", "127.0.0.1"}});
    http.SetResolverServers(dns.Servers());
    const std::string moved = "HTTP/1.0 302 Found\r\nLocation: http://second.test:" +
                              std::to_string(second.Port()) + "/y\r\n\r\n";
    test::HttpServer first(pump, {Reply{{moved + "first body"}}});
    int hookCalls = 0, resolved = 0;
    http.OnAboutToSend = [&](THttpClient& sender) {
        ++hookCalls;
        test::AddLookoutLines(sender);
    };
    http.OnHostResolved = [&](TSockClient&) { ++resolved; };

    http.Get(Url(first, "/status.txt"));

    EXPECT_EQ(hookCalls, 2);
    EXPECT_EQ(resolved, 1);
    ASSERT_EQ(first.Requests().size(), 1u);
    EXPECT_EQ(first.Requests()[0], test::LookoutRequest("/status.txt", "127.0.0.1"));
    ASSERT_EQ(second.Requests().size(), 1u);
    EXPECT_EQ(second.Requests()[0], test::LookoutRequest("/y", "second.test"));
    EXPECT_EQ(http.Body, "second body");
    EXPECT_EQ(http.Header, "HTTP/1.0 200 OK\r\n\r\n");
    EXPECT_EQ(http.Host, "second.test");
    EXPECT_EQ(http.Port, second.Port());
}

TEST_F(HttpGet, RedirectsEndAfterTenPassesOrWhenTheOwnerTakesTheReply) {
    // A 3xx without Location asks for the same URL again, for ever.
    test::HttpServer looping(pump, {Reply{{"HTTP/1.0 301 Moved\r\n\r\nagain"}}});
    EXPECT_EQ(test::FailureOf([&] { http.Get(Url(looping, "/")); }),
              (test::Failure{"ESockError", "Too Many Redirects"}));
    EXPECT_EQ(looping.Requests().size(), 10u);
    EXPECT_FALSE(http.Busy());

    http.OnRedirect = [](bool& handled) { handled = true; };
    http.Get(Url(looping, "/"));
    EXPECT_EQ(looping.Requests().size(), 11u);
    EXPECT_EQ(http.StatusCode, 301);
    EXPECT_EQ(http.Body, "again");
}

TEST_F(HttpGet, AnEmptyHostGoesToThePreviousOne) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\none"}}, Reply{{"HTTP/1.0 200 OK\r\n\r\ntwo"}}});
    http.Get(Url(server, "/a"));
    http.Get("/b");
    ASSERT_EQ(server.Requests().size(), 2u);
    EXPECT_TRUE(server.Requests()[1].starts_with("GET /b HTTP/1.0\r\n"));
    EXPECT_EQ(http.Body, "two");
}

TEST_F(HttpGet, ReportsItsStepsInOrder) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\nA: b\r\n\r\nbody"}}});
    test::DnsServer dns(pump, {{"status.test", "127.0.0.1"}});
    http.SetResolverServers(dns.Servers());
    http.ReportLevel = TSockClient::kReportStep;
    std::vector<std::string> seen;
    http.OnStatus = [&](TSockClient&, const std::string& status) {
        // The handlers' own reports depend on how the bytes happen to arrive.
        if (status != "ReadToStream" && status != "WriteFromStream") seen.push_back(status);
    };
    http.Get("http://status.test:" + std::to_string(server.Port()) + "/status.txt");
    const std::vector<std::string> expected = {
        "Resolve Host", "Timer On", "Timer Off", "Connecting", "Timer On", "Timer Off", "Write",
        "Sending Buffer", "ReadLn", "ReadLn", "ReadLn", "Capture String", "Transaction Completed",
        "Disconnecting", "Request Close Socket"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(http.LastStatus(), "Request Close Socket");

    http.ReportLevel = TSockClient::kReportOutcome;
    seen.clear();
    http.Get("http://status.test:" + std::to_string(server.Port()) + "/status.txt");
    EXPECT_EQ(seen, std::vector<std::string>{"Transaction Completed"});
}

}  // namespace
}  // namespace lookout
