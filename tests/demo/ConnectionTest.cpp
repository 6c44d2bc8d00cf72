// One connection driven by hand over a socket pair: no service, no clock of
// its own; the test says what time it is.
#include <gtest/gtest.h>

#include "demo/Connection.h"
#include "tests/net/LoopbackServers.h"

namespace lookout::demo {
namespace {

using namespace std::chrono_literals;

class ConnectionTest : public testing::Test {
protected:
    void SetUp() override {
        // From here on the connection owns its end.
        connection_ = std::make_unique<Connection>(pair_.end[0], t0_);
        pair_.end[0] = kNoSocket;
        peer_ = pair_.end[1];
    }

    void Write(std::string_view bytes) {
        ASSERT_EQ(::send(peer_, bytes.data(), static_cast<int>(bytes.size()), 0), static_cast<int>(bytes.size()));
    }
    // What has arrived so far.
    std::string ReadAll() {
        std::string got;
        char buffer[65536];
        for (int n; (n = static_cast<int>(::recv(peer_, buffer, sizeof buffer, 0))) > 0;)
            got.append(buffer, static_cast<std::size_t>(n));
        return got;
    }
    Connection::Router Answering(std::function<std::unique_ptr<ReplyStream>()> make) {
        return [this, make](const Request& r) {
            paths_.push_back(r.path);
            return Answer{Answer::Action::Send, make()};
        };
    }

    test::ConnectedPair pair_;
    Clock::time_point t0_ = Clock::now();
    std::unique_ptr<Connection> connection_;
    SocketHandle peer_ = kNoSocket;
    std::vector<std::string> paths_;
};

TEST_F(ConnectionTest, HeadArrivingInPiecesIsRoutedOnceWhole) {
    const auto route = Answering([] { return std::make_unique<FixedReply>("reply"); });
    Write("GET /w/sta");
    EXPECT_TRUE(connection_->Step(POLLIN, t0_, route));
    EXPECT_TRUE(paths_.empty());
    Write("tus.txt HTTP/1.0\r\nHost: x\r\n\r\n");
    EXPECT_TRUE(connection_->Step(POLLIN, t0_, route));
    EXPECT_EQ(paths_, std::vector<std::string>{"/w/status.txt"});
    EXPECT_EQ(ReadAll(), "reply");
}

TEST_F(ConnectionTest, OversizedOrMalformedHeadsGet400) {
    const auto route = Answering([] { return std::make_unique<FixedReply>("reply"); });
    const std::string huge = "GET /" + std::string(kMaxRequestHead, 'a');
    for (std::size_t sent = 0; sent < huge.size() && connection_->Events(t0_) == POLLIN; sent += 4096) {
        Write(std::string_view(huge).substr(sent, 4096));
        ASSERT_TRUE(connection_->Step(POLLIN, t0_, route));
    }
    EXPECT_TRUE(paths_.empty());
    EXPECT_TRUE(ReadAll().starts_with("HTTP/1.0 400 "));
}

TEST_F(ConnectionTest, ReplyBlockedByAFullSocketWaitsForPollNotForTime) {
    const auto route = Answering([] { return std::make_unique<RepeatingReply>("head", "endless "); });
    Write("GET /x HTTP/1.0\r\n\r\n");
    ASSERT_TRUE(connection_->Step(POLLIN, t0_, route));
    for (int i = 0; i < 64 && connection_->Step(POLLOUT, t0_, route);) ++i;  // fill the peer's buffer
    EXPECT_EQ(connection_->Events(t0_), POLLOUT);
    EXPECT_EQ(connection_->Deadline(t0_), std::nullopt);  // else the loop would spin
    EXPECT_TRUE(ReadAll().starts_with("headendless endless "));
}

TEST_F(ConnectionTest, PausedPiecesWaitForTheirTimeThenGoOut) {
    const auto route = Answering([] { return std::make_unique<FixedReply>("abc", 0ms, 1, 500ms); });
    Write("GET /x HTTP/1.0\r\n\r\n");
    ASSERT_TRUE(connection_->Step(POLLIN, t0_, route));
    EXPECT_EQ(ReadAll(), "a");
    EXPECT_EQ(connection_->Events(t0_), 0);
    EXPECT_EQ(connection_->Deadline(t0_), t0_ + 500ms);
    ASSERT_TRUE(connection_->Step(0, t0_ + 500ms, route));
    EXPECT_EQ(ReadAll(), "b");
    ASSERT_TRUE(connection_->Step(0, t0_ + 1000ms, route));
    // The last byte, then our side is shut and the connection drains.
    EXPECT_EQ(ReadAll(), "c");
    EXPECT_EQ(::recv(peer_, nullptr, 0, 0), 0);
    ::shutdown(peer_, kShutdownSending);
    EXPECT_FALSE(connection_->Step(POLLIN, t0_ + 1000ms, route));
}

TEST_F(ConnectionTest, SilentConnectionsLiveUntilThePeerCloses) {
    const Connection::Router silent = [](const Request&) { return Answer{Answer::Action::Silent, nullptr}; };
    Write("GET /x HTTP/1.0\r\n\r\n");
    ASSERT_TRUE(connection_->Step(POLLIN, t0_, silent));
    EXPECT_EQ(connection_->Deadline(t0_), std::nullopt);
    Write("more");
    EXPECT_TRUE(connection_->Step(POLLIN, t0_ + 1h, silent));
    EXPECT_EQ(ReadAll(), "");
    ::shutdown(peer_, kShutdownSending);
    EXPECT_FALSE(connection_->Step(POLLIN, t0_ + 1h, silent));
}

}  // namespace
}  // namespace lookout::demo
