// The two time limits of a GET: the pause limit (TimeOut), which data
// already received always beats, and the bound on the whole request.
#include <gtest/gtest.h>

#include <random>

#include "LoopbackServers.h"
#include "NetTestSupport.h"
#include "net/HttpClient.h"

namespace lookout {
namespace {

using std::chrono::milliseconds;
using test::Failure;
using test::Reply;

class TimeLimit : public test::NetTest {};

// A modal dialog opened from a timer holds the wait on the stack for six
// pause limits while the rest of the reply (and the close) arrives.
TEST_F(TimeLimit, WhatArrivedWhileTheWaitWasHeldWins) {
    const std::string header = "HTTP/1.0 200 OK\r\nA: b\r\n\r\n";
    const std::string body = "Login,Normal,10,20,x\r\nChr,Busy,3,4,y\r\n";
    std::mt19937 rng(20050504);
    struct Case {
        const char* name;
        const char* holdAt;  // the status that opens the dialog
        bool close;
        Failure failure;
    };
    const Case cases[] = {
        {"whole reply behind the status line", "ReadLn", true, {"none", ""}},
        {"rest of the body behind its wait", "Capture String", true, {"none", ""}},
        {"a peer that then stays silent", "Capture String", false, {"ESockError", "Receive Timed Out"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::HttpServer server(pump, {Reply{test::RandomPieces(header + body, 7, rng), c.close}});
        THttpClient http(pump);
        http.TimeOut = 50;
        http.ReportLevel = TSockClient::kReportStep;
        bool held = false;
        http.OnStatus = [&](TSockClient&, const std::string& status) {
            if (status != c.holdAt || held) return;
            held = true;
            pump.StartTimer(milliseconds(0), [&] {
                bool closed = false;
                pump.StartTimer(milliseconds(300), [&] { closed = true; });
                RunUntil([&] { return closed; });
            });
        };
        EXPECT_EQ(test::FailureOf([&] { http.Get(Url(server.Port())); }), c.failure);
        EXPECT_TRUE(held);
        EXPECT_EQ(http.Header, header);
        EXPECT_EQ(http.Body, body);
    }
}

// Without any pause limit, the bound alone ends each phase, redirects
// counted together; the next Get has the whole bound again.
TEST_F(TimeLimit, EveryGetIsBoundedInTotal) {
    test::DnsServer silentDns(pump, {}, true);
    test::FullListener full;
    Reply trickle{test::BytePieces("HTTP/1.0 200 OK\r\n\r\n" + std::string(1000, 'x'))};
    trickle.gap = milliseconds(5);
    test::HttpServer trickling(pump, {trickle});
    Reply again{{"HTTP/1.0 302 Found\r\n\r\n"}};  // no Location: the same URL again
    again.delay = milliseconds(40);
    test::HttpServer slowLoop(pump, {again});
    test::HttpServer quick(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\nbody"}}});

    const std::pair<const char*, std::string> cases[] = {
        {"lookup", Url(quick.Port(), "slow.test")},
        {"connect", Url(full.Port())},
        {"trickling page", Url(trickling.Port())},
        {"redirect passes", Url(slowLoop.Port())},
    };
    THttpClient http(pump);
    http.TimeOut = 0;
    http.RequestTimeOut = 150;
    http.SetResolverServers(silentDns.Servers());
    for (const auto& [name, url] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(test::FailureOf([&] { http.Get(url); }), (Failure{"ESockError", "Request Timed Out"}));
        EXPECT_FALSE(http.Connected());
        http.Get(Url(quick.Port()));
        EXPECT_EQ(http.Body, "body");
    }
    EXPECT_LT(slowLoop.Requests().size(), static_cast<std::size_t>(THttpClient::kMaxPasses));
}

}  // namespace
}  // namespace lookout
