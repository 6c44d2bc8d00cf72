// A client whose process runs out of descriptors: a POSIX limit, lowered for
// the test.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "tests/net/LoopbackServers.h"
#include "tests/net/NetTestSupport.h"
#include "net/HttpClient.h"

namespace lookout {
namespace {

using test::Failure;
using test::Reply;

class SocketLimit : public test::NetTest {};

// A replacement socket that cannot be had fails the next Connect, and only it.
TEST_F(SocketLimit, NoSocketForTheNextConnect) {
    test::HttpServer server(pump, {Reply{{"HTTP/1.0 200 OK\r\n\r\nbody"}}});
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    rlimit low = saved;
    low.rlim_cur = std::min<rlim_t>(saved.rlim_cur, 256);
    ::setrlimit(RLIMIT_NOFILE, &low);

    THttpClient http(pump);
    http.TimeOut = 10000;
    std::vector<int> hogs;
    // Disconnect calls it between the close and the replacement: every
    // descriptor left is taken then.
    http.OnDisconnect = [&](TSockClient&) {
        for (int fd; (fd = ::dup(0)) >= 0;) hogs.push_back(fd);
    };
    http.Get(Url(server.Port()));
    EXPECT_EQ(test::FailureOf([&] { http.Get(Url(server.Port())); }),
              (Failure{"ESockError", "Socket Creation Failed"}));
    for (int fd : hogs) ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &saved);

    http.OnDisconnect = nullptr;
    http.Get(Url(server.Port()));
    EXPECT_EQ(http.Body, "body");
    EXPECT_EQ(server.Requests().size(), 2u);
}

}  // namespace
}  // namespace lookout
