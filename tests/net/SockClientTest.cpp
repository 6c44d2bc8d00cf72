// The transport on its own: connection state, the invalid-host retry, the
// stream reads, and what Write puts on the wire.
#include <gtest/gtest.h>

#include "LoopbackServers.h"
#include "NetTestSupport.h"
#include "net/HttpClient.h"

namespace lookout {
namespace {

using test::Failure;
using test::Reply;

class SockClient : public test::NetTest {};

TEST_F(SockClient, ConnectionStateAcrossConnectAndDisconnect) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n", "\r\n0123456789"}}});
    TSockClient client(pump);
    client.Host = "127.0.0.1";
    client.Port = server.Port();
    client.TimeOut = 10000;
    int connects = 0, disconnects = 0;
    client.OnConnect = [&](TSockClient&) { ++connects; };
    client.OnDisconnect = [&](TSockClient&) { ++disconnects; };

    for (int round = 0; round < 2; ++round) {  // the second runs on the replacement socket
        SCOPED_TRACE(round);
        client.Connect();
        EXPECT_TRUE(client.Connected());
        EXPECT_EQ(test::FailureOf([&] { client.Connect(); }), (Failure{"ESockError", "Already connected"}));
        EXPECT_TRUE(client.Connected());  // the running connection is untouched

        client.Write("GET / HTTP/1.0\r\n\r\n");
        std::string line, text;
        client.ReadLn(line);
        EXPECT_EQ(line, "HTTP/1.0 200 OK\r\n");
        client.CaptureString(text, 4);  // stops once it holds at least that much
        EXPECT_GE(text.size(), 2u);
        EXPECT_TRUE(text.starts_with("\r\n"));
        std::string rest;
        client.CaptureString(rest, -1);
        EXPECT_EQ(text + rest, "\r\n0123456789");
        EXPECT_FALSE(client.Connected());  // the server closed
        client.Disconnect();
        EXPECT_FALSE(client.Connected());
    }
    EXPECT_EQ(connects, 2);
    EXPECT_EQ(disconnects, 4);  // the peer's close, then our own, each time
    EXPECT_EQ(server.Requests().size(), 2u);
}

TEST_F(SockClient, InvalidHostHandlerGetsOneMoreAttempt) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\n"}}});
    test::DnsServer dns(pump, {{"known.test", "127.0.0.1"}});
    TSockClient client(pump);
    client.SetResolverServers(dns.Servers());
    client.Port = server.Port();
    client.TimeOut = 10000;
    int asked = 0;
    client.OnInvalidHost = [&](bool& handled) {
        ++asked;
        client.Host = "known.test";
        handled = true;
    };
    client.Host = "unknown.test";
    client.Connect();
    EXPECT_TRUE(client.Connected());
    EXPECT_EQ(asked, 1);
    client.Disconnect();

    // A correction that does not resolve either is not asked for again.
    client.OnInvalidHost = [&](bool& handled) {
        ++asked;
        handled = true;
    };
    client.Host = "unknown.test";
    EXPECT_EQ(test::FailureOf([&] { client.Connect(); }), (Failure{"ESockError", "Null Remote Address"}));
    EXPECT_EQ(asked, 2);
}

// A request that never completes its header gets no reply; what the server
// holds then is exactly what Write let through.
TEST_F(SockClient, WriteStopsAtANulAndAfter16384Characters) {
    const std::string request = "GET / HTTP/1.0\r\n";
    struct Case {
        const char* name;
        std::string extraLine;
        std::string received;
    };
    const std::string huge(20000, 'h');
    const Case cases[] = {
        {"NUL", std::string("X-A: a\0b", 8), request + "X-A: a"},
        {"too long", "X-B: " + huge, (request + "X-B: " + huge).substr(0, 16384)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\n"}}});
        THttpClient http(pump);
        http.TimeOut = 100;
        http.OnAboutToSend = [&](THttpClient& sender) { sender.RequestHeader.Insert(1, c.extraLine); };
        EXPECT_EQ(test::FailureOf([&] { http.Get("http://127.0.0.1:" + std::to_string(server.Port()) + "/"); }),
                  (Failure{"ESockError", "Receive Timed Out"}));
        RunUntil([&] { return !server.Requests().empty() && server.Requests()[0].size() >= c.received.size(); });
        EXPECT_EQ(server.Requests()[0], c.received);
    }
}

}  // namespace
}  // namespace lookout
