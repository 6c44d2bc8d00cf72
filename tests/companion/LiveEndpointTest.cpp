// The watch's live endpoint on the watch's own pump, the refresh timer on a
// hand-driven clock: it answers while a client that sends nothing and one
// that sends a megabyte are connected, and neither holds up a refresh.
#include <gtest/gtest.h>

#include <sstream>

#include "companion/Companion.h"
#include "net/HttpClient.h"
#include "platform/LoopbackAddress.h"
#include "tests/net/LoopbackServers.h"
#include "tests/net/NetTestSupport.h"
#include "tests/support/FakeClock.h"

namespace lookout {
namespace {

class LiveEndpointTest : public test::NetTest {
protected:
    // A client of the endpoint, connecting without waiting.
    SocketHandle Connect(int port) {
        const SocketHandle fd = OpenSocket(SOCK_STREAM);
        const sockaddr_in address = LoopbackAddress(port);
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        clients_.push_back(fd);
        return fd;
    }
    void TearDown() override {
        floodWatch = SocketWatch();
        for (const SocketHandle fd : clients_) CloseSocket(fd);
        NetTest::TearDown();
    }
    // The status line and body of a GET with the project's own client.
    std::string Get(int port, const std::string& path) {
        THttpClient http(pump);
        http.Get("http://127.0.0.1:" + std::to_string(port) + path);
        return http.Header.substr(0, http.Header.find('\r')) + "\n" + http.Body;
    }

    SocketLibrary sockets_;
    test::FakeClock clock;
    std::vector<SocketHandle> clients_;
    SocketWatch floodWatch;
};

bool Holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(LiveEndpointTest, AnswersWhileASilentClientAndAFloodWaitAndRefreshesGoOn) {
    std::vector<test::Reply> replies;
    for (const char* page : std::initializer_list<const char*>{"60", "heading\nLoginServer 10.0.0.1 6900 x m\n",
                                                               "LoginServer,Good,1,2,3\r\n", "", nullptr, "",
                                                               "LoginServer,Down,0,2,3\r\n", ""})
        replies.push_back(page ? test::Reply{{std::string("HTTP/1.0 200 OK\r\n\r\n") + page}} : test::Reply{});
    test::HttpServer service(pump, replies);
    const std::string base = "http://127.0.0.1:" + std::to_string(service.Port()) + "/";
    Options options;
    options.watch = true;
    options.listen = ListenAddress{htonl(INADDR_LOOPBACK), 0, "127.0.0.1:0"};
    std::ostringstream out, err;
    Companion companion(pump, clock, Settings{0, 0, base, base + "map", "w"}, options, out, err);
    ASSERT_TRUE(companion.StartWatch(nullptr)) << err.str();
    const int port = companion.Live()->Port();

    Connect(port);  // and never send
    const SocketHandle flood = Connect(port);
    std::size_t flooded = 0;
    bool floodEnded = false;
    floodWatch = pump.Watch(flood, kWritable, [&](unsigned) {
        const std::string chunk(64 * 1024, 'x');
        const auto n = ::send(flood, chunk.data(), int(chunk.size()), kSendFlags);
        if (n > 0) flooded += std::size_t(n);
        if ((n < 0 && LastSocketError() != kWouldBlock) || flooded >= (1u << 20))
            floodEnded = true, floodWatch = SocketWatch();
    });

    const struct {
        const char* path;
        std::vector<std::string> parts;  // each found in the status line and body
    } afterEachRefresh[3][2] = {
        {{"/health", {"HTTP/1.0 200 OK\n"}},
         {"/metrics",
          {"\nlookout_up 1\n", "lookout_refreshes_total{result=\"read\"} 1\n",
           "lookout_refreshes_total{result=\"failed\"} 0\n", "# TYPE lookout_refreshes_total counter\n"}}},
        {{"/health", {"HTTP/1.0 503 Service Unavailable\n"}},
         {"/metrics", {"lookout_up 0\n", "{result=\"read\"} 1\n", "{result=\"failed\"} 1\n"}}},
        {{"/health", {"HTTP/1.0 200 OK\n"}},
         {"/metrics", {"lookout_server_up{server=\"LoginServer\"} 0\n", "{result=\"read\"} 2\n"}}},
    };
    for (int refresh = 0; refresh < 3; ++refresh) {
        if (refresh > 0) clock.Advance(std::chrono::seconds(60));
        for (const auto& [path, parts] : afterEachRefresh[refresh]) {
            SCOPED_TRACE(std::to_string(refresh) + " " + path);
            const std::string answer = Get(port, path);
            for (const std::string& part : parts) EXPECT_TRUE(Holds(answer, part)) << part << "\n" << answer;
        }
    }
    EXPECT_TRUE(Get(port, "/").starts_with("HTTP/1.0 404 Not Found\n"));
    // The flood got its answer and was cut off, or was read away whole.
    RunUntil([&] { return floodEnded; });
    EXPECT_EQ(err.str(), "");
}

}  // namespace
}  // namespace lookout
