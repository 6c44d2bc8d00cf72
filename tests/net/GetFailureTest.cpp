// Every way a GET fails, with its class and message, and what it leaves
// behind: the waits are bounded, cancellable and survive their client.
#include <gtest/gtest.h>

#include <memory>

#include "LoopbackServers.h"
#include "NetTestSupport.h"
#include "net/HttpClient.h"
#include "platform/Messages.h"
#include "tests/support/Wine.h"

namespace lookout {
namespace {

using std::chrono::milliseconds;
using test::Failure;
using test::Reply;

class GetFailure : public test::NetTest {};

TEST_F(GetFailure, EachCauseWithItsClassAndMessage) {
    test::RefusingPort refusing;
    test::FullListener full;
    test::DnsServer dns(pump, {{"known.test", "127.0.0.1"}});
    test::DnsServer silentDns(pump, {}, true);
    test::HttpServer mute(pump, {Reply{{}, false}});
    test::HttpServer headerOnly(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\npart"}, false}});
    test::HttpServer halfLine(pump, {Reply{{"HTTP/1.0 200 OK"}}});
    test::HttpServer noHeaderEnd(pump, {Reply{{"HTTP/1.0 200 OK\r\nA: b\r\n"}}});
    Reply cutBody{{"HTTP/1.0 200 OK\r\n\r\n", "Login,Normal,1,2\r\nCh"}};
    cutBody.reset = true;
    test::HttpServer resetInBody(pump, {cutBody});
    Reply cutHeader{{"HTTP/1.0 200 OK\r\nA: b\r\n"}};
    cutHeader.reset = true;
    test::HttpServer resetInHeader(pump, {cutHeader});

    struct Case {
        const char* name;
        std::string url;
        Failure failure;
        std::string header = "Head.txt";  // what the reply left, if it started
        std::string body = "Default.htm";
        const test::DnsServer* resolver = nullptr;
    };
    const Case cases[] = {
        {"empty URL", "", {"Exception", "Empty URL"}},
        {"port not a number", "http://127.0.0.1:abc/x", {"EConvertError", messages::NotAnInteger("abc")}},
        {"refused", Url(refusing.Port()), {"ESockError", "Connection Failed"}},
        {"connect unanswered", Url(full.Port()), {"ESockError", "Connection Timed Out"}},
        {"lookup unanswered", Url(mute.Port(), "slow.test"), {"ESockError", "Host Lookup Timed Out"},
         "Head.txt", "Default.htm", &silentDns},
        {"name unknown", Url(mute.Port(), "unknown.test"), {"ESockError", "Null Remote Address"},
         "Head.txt", "Default.htm", &dns},
        {"address 0", Url(mute.Port(), "0.0.0.0"), {"ESockError", "Null Remote Address"}},
        {"no host at all", "/x", {"ESockError", "Null Remote Address"}},  // c-ares fails it at once
        {"host name of 128", Url(mute.Port(), std::string(128, 'h')), {"ESockError", "Host Name Too Long"}},
        {"server never answers", Url(mute.Port()), {"ESockError", "Receive Timed Out"}, ""},
        {"body never ends", Url(headerOnly.Port()), {"ESockError", "Receive Timed Out"},
         "HTTP/1.0 200 OK\r\n\r\n", "part"},
        {"closed within the status line", Url(halfLine.Port()),
         {"ESockError", "Connection Closed Before Line End"}, ""},
        {"closed before the header's end", Url(noHeaderEnd.Port()),
         {"ESockError", "Connection Closed Before Line End"}, "HTTP/1.0 200 OK\r\nA: b\r\n"},
        // A reset is no end of the page: what came before it is not a reply.
        {"reset in the body", Url(resetInBody.Port()), {"ESockError", "Connection Reset"},
         "HTTP/1.0 200 OK\r\n\r\n", "Login,Normal,1,2\r\nCh"},
        {"reset in the header", Url(resetInHeader.Port()), {"ESockError", "Connection Reset"},
         "HTTP/1.0 200 OK\r\nA: b\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.failure.message == "Connection Reset" && test::UnderWine()) continue;
        THttpClient http(pump);
        http.TimeOut = 100;
        if (c.resolver) http.SetResolverServers(c.resolver->Servers());
        int failedCalls = 0;
        http.OnConnectionFailed = [&](TSockClient&) { ++failedCalls; };
        EXPECT_EQ(test::FailureOf([&] { http.Get(c.url); }), c.failure);
        const bool connectFailed = c.failure.message.starts_with("Connection") && c.header == "Head.txt";
        EXPECT_EQ(failedCalls, connectFailed ? 1 : 0);
        EXPECT_EQ(http.Header, c.header);
        EXPECT_EQ(http.Body, c.body);
        EXPECT_FALSE(http.Busy());
        EXPECT_FALSE(http.Connected());
    }
}

TEST_F(GetFailure, RepliesBeyondTheReceiveBoundFail) {
    const std::size_t bound = TSockClient::kMaxReceive;
    const std::string ok = "HTTP/1.0 200 OK\r\n\r\n";
    struct Case {
        const char* name;
        std::string reply;
        Failure failure;
    };
    const Case cases[] = {
        {"body at the bound", ok + std::string(bound, 'b'), {"none", ""}},
        {"body above it", ok + std::string(bound + 1, 'b'), {"ESockError", "Body Too Large"}},
        {"endless line", std::string(bound + 100, 'l'), {"ESockError", "Line Too Long"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::HttpServer server(pump, {Reply{{c.reply}}});
        THttpClient http(pump);
        http.TimeOut = 10000;
        EXPECT_EQ(test::FailureOf([&] { http.Get(Url(server.Port())); }), c.failure);
        if (c.failure.kind == "none") {
            EXPECT_EQ(http.Body.size(), bound);
        }
    }
}

// Cancel at each step; the client then serves the next request as usual.
TEST_F(GetFailure, CancelEndsEveryWaitAndLeavesTheClientUsable) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\nbody"}}});
    test::DnsServer dns(pump, {{"known.test", "127.0.0.1"}});
    const std::pair<std::string, Failure> cases[] = {
        {"Resolve Host", {"ESockError", "Host Lookup Canceled"}},
        {"Connecting", {"ESockError", "Connection Canceled"}},
        {"Write", {"EAbortError", "Socket write aborted"}},
        {"Sending Buffer", {"EAbortError", "Socket write aborted"}},
        {"ReadLn", {"EAbortError", "Socket readln aborted"}},
        {"Capture String", {"EAbortError", "Socket capture aborted"}},
    };
    THttpClient http(pump);
    http.TimeOut = 10000;
    http.SetResolverServers(dns.Servers());
    http.ReportLevel = TSockClient::kReportStep;
    for (const auto& [step, failure] : cases) {
        SCOPED_TRACE(step);
        http.OnStatus = [&, step = step](TSockClient& sender, const std::string& status) {
            if (status == step) sender.Cancel();
        };
        EXPECT_EQ(test::FailureOf([&] { http.Get(Url(server.Port(), "known.test")); }), failure);
        http.OnStatus = nullptr;
        http.Get(Url(server.Port(), "known.test"));
        EXPECT_EQ(http.Body, "body");
    }
}

TEST_F(GetFailure, CancelFromTheEventLoopWithoutTimeLimit) {
    test::HttpServer mute(pump, {Reply{{}, false}});
    THttpClient http(pump);
    http.TimeOut = 0;  // no limit: only the cancel ends the wait
    pump.StartTimer(milliseconds(30), [&] { http.Cancel(); });
    EXPECT_EQ(test::FailureOf([&] { http.Get(Url(mute.Port())); }),
              (Failure{"EAbortError", "Socket readln aborted"}));
}

// A second Get at any step of a running one is refused; the first goes on.
TEST_F(GetFailure, OneRequestAtATime) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\nbody"}}});
    test::DnsServer dns(pump, {{"known.test", "127.0.0.1"}});
    const char* steps[] = {"Resolve Host", "Timer On",       "Connecting",   "Write",
                           "Sending Buffer", "ReadLn",       "Capture String", "Transaction Completed",
                           "Disconnecting",  "Request Close Socket"};
    THttpClient http(pump);
    http.TimeOut = 10000;
    http.SetResolverServers(dns.Servers());
    http.ReportLevel = TSockClient::kReportStep;
    for (const std::string step : steps) {
        SCOPED_TRACE(step);
        Failure nested{"not tried", ""};
        http.OnStatus = [&](TSockClient&, const std::string& status) {
            if (status == step && nested.kind == "not tried")
                nested = test::FailureOf([&] { http.Get(Url(server.Port(), "other.test")); });
        };
        const std::size_t before = server.Requests().size();
        http.Get(Url(server.Port(), "known.test"));
        EXPECT_EQ(nested, (Failure{"ESockError", "Request In Progress"}));
        EXPECT_EQ(http.Body, "body");
        EXPECT_EQ(http.Host, "known.test");
        EXPECT_EQ(server.Requests().size(), before + 1);
    }
}

// Destroyed from the event loop while Get waits: Get raises and nothing of
// the client is touched again (run under AddressSanitizer to see the latter).
TEST_F(GetFailure, DestroyedInsideEachWait) {
    test::FullListener full;
    test::DnsServer silentDns(pump, {}, true);
    test::HttpServer mute(pump, {Reply{{}, false}});
    test::HttpServer headerOnly(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\n"}, false}});
    const std::pair<const char*, std::string> cases[] = {
        {"lookup", Url(mute.Port(), "slow.test")},
        {"connect", Url(full.Port())},
        {"status line", Url(mute.Port())},
        {"body", Url(headerOnly.Port())},
    };
    for (const auto& [name, url] : cases) {
        SCOPED_TRACE(name);
        auto http = std::make_unique<THttpClient>(pump);
        http->TimeOut = 0;
        http->SetResolverServers(silentDns.Servers());
        pump.StartTimer(milliseconds(30), [&] { http.reset(); });
        EXPECT_EQ(test::FailureOf([&, client = http.get()] { client->Get(url); }),
                  (Failure{"EAbortError", "Socket destroyed"}));
        EXPECT_EQ(http, nullptr);
    }
}

// Destroyed by one of its own hooks: the running Get raises and the client's
// frames touch nothing of it on the way out (run under AddressSanitizer).
TEST_F(GetFailure, DestroyedFromItsOwnHooks) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n", "\r\nbody"}}});
    test::DnsServer dns(pump, {{"known.test", "127.0.0.1"}});
    const char* statuses[] = {"Resolve Host",   "Timer On",       "Timer Off",   "Connecting",
                              "WriteFromStream", "Write",          "Sending Buffer", "ReadLn",
                              "ReadToStream",   "Capture String", "Transaction Completed",
                              "Disconnecting",  "Request Close Socket"};
    const char* hooks[] = {"OnHostResolved", "OnConnect", "OnDisconnect", "OnAboutToSend", "OnSuccess"};
    std::vector<std::string> cases(std::begin(statuses), std::end(statuses));
    cases.insert(cases.end(), std::begin(hooks), std::end(hooks));
    for (const std::string& when : cases) {
        SCOPED_TRACE(when);
        auto http = std::make_unique<THttpClient>(pump);
        http->TimeOut = 10000;
        http->ReportLevel = TSockClient::kReportStep;
        http->SetResolverServers(dns.Servers());
        auto destroy = [&] { http.reset(); };
        http->OnStatus = [&, when](TSockClient&, const std::string& status) {
            if (status == when) destroy();
        };
        if (when == "OnHostResolved") http->OnHostResolved = [&](TSockClient&) { destroy(); };
        if (when == "OnConnect") http->OnConnect = [&](TSockClient&) { destroy(); };
        if (when == "OnDisconnect") http->OnDisconnect = [&](TSockClient&) { destroy(); };
        if (when == "OnAboutToSend") http->OnAboutToSend = [&](THttpClient&) { destroy(); };
        if (when == "OnSuccess") http->OnSuccess = [&](int) { destroy(); };
        EXPECT_EQ(test::FailureOf([&, client = http.get()] { client->Get(Url(server.Port(), "known.test")); }),
                  (Failure{"EAbortError", "Socket destroyed"}));
        EXPECT_EQ(http, nullptr);
    }
}

}  // namespace
}  // namespace lookout
