// GETs over TLS against openssl s_server with the test CA: each failure of
// the table, records in random sizes, a peer that is no TLS server or stays
// silent, a close without close_notify, and resumption per host and port.
#include <gtest/gtest.h>

#include <random>

#include "LoopbackServers.h"
#include "NetTestSupport.h"
#include "TlsPeers.h"
#include "net/HttpClient.h"
#include "tests/support/LookoutRequest.h"
#include "tests/support/Wine.h"

namespace lookout {
namespace {

const std::string kPage = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nGood,1,2\r\n";

class TlsGet : public test::NetTest {
protected:
    TlsGet() {
        test::TestCaDir();
        http.TimeOut = 5000;
    }
    static std::string Https(int port, const std::string& host = "localhost") {
        return "https://" + host + ":" + std::to_string(port) + "/x";
    }
    THttpClient http{pump};
    std::mt19937 rng{std::random_device{}()};
};

TEST_F(TlsGet, VerifiesTheCertificateAndTellsEachFailure) {
    struct Case {
        const char* name;
        std::string leaf, host, reply;
        std::vector<std::string> server;
        std::string failure;  // the message's start; empty: the page arrives
    };
    const std::string other = "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/x\r\n\r\n";
    const std::vector<Case> cases = {
        {"by name", "localhost", "localhost", kPage, {}, ""},
        {"by address", "localhost", "127.0.0.1", kPage, {}, ""},
        {"TLS 1.2", "localhost", "localhost", kPage, {"-tls1_2"}, ""},
        {"another name", "other", "localhost", kPage, {}, "Certificate Name Mismatch ["},
        {"another address", "other", "127.0.0.1", kPage, {}, "Certificate Name Mismatch ["},
        {"expired", "expired", "localhost", kPage, {}, "Certificate Expired ["},
        {"untrusted CA", "rogue", "localhost", kPage, {}, "Certificate Not Trusted ["},
        {"TLS 1.1 only",
         "localhost",
         "localhost",
         kPage,
         {"-tls1_1", "-cipher", "DEFAULT@SECLEVEL=0"},
         "TLS Handshake Failed ["},
        {"redirect to http", "localhost", "localhost", other, {}, "Redirect From HTTPS To HTTP Refused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::SServer server(c.leaf, {{"x", c.reply}}, c.server);
        const test::Failure failure = test::FailureOf([&] { http.Get(Https(server.Port(), c.host)); });
        if (c.failure.empty()) {
            EXPECT_EQ(failure.kind, "none") << failure;
            EXPECT_EQ(http.Body, "Good,1,2\r\n");
            EXPECT_EQ(http.Header, "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n");
            ASSERT_TRUE(http.CertificateExpires());
            EXPECT_GT(*http.CertificateExpires(), std::time(nullptr));
        } else {
            EXPECT_EQ(failure.kind, "ESockError");
            EXPECT_EQ(failure.message.substr(0, c.failure.size()), c.failure) << failure;
        }
    }
}

TEST_F(TlsGet, SendsThePlainRequestInsideTheConnection) {
    test::SServer echo("localhost", {});
    http.OnAboutToSend = test::AddLookoutLines;
    http.TimeOut = 500;  // it answers nothing
    const test::Failure failure = test::FailureOf([&] { http.Get(Https(echo.Port())); });
    EXPECT_EQ(failure, (test::Failure{"ESockError", "Receive Timed Out"}));
    EXPECT_EQ(echo.Request(), test::LookoutRequest("/x", "localhost"));
}

TEST_F(TlsGet, TakesRandomRecordsInRandomPieces) {
    std::string body;
    for (int i = 0; body.size() < 40000; ++i) body += "line " + std::to_string(i) + "\r\n";
    const int frag = std::uniform_int_distribution<int>(512, 2048)(rng);
    SCOPED_TRACE("records of " + std::to_string(frag) + " bytes");
    test::SServer server("localhost", {{"x", "HTTP/1.0 200 OK\r\n\r\n" + body}},
                         {"-max_send_frag", std::to_string(frag)});
    test::Relay relay(pump, server.Port(), false, rng);
    http.Get(Https(relay.Port()));
    EXPECT_EQ(http.Body, body);
}

TEST_F(TlsGet, ANonTlsOrSilentPeerFailsWithinTheConnectLimit) {
    test::Reply garbled{{"HTTP/1.0 400 Bad Request\r\n\r\n"}};
    garbled.anyBytes = true;
    test::HttpServer plain(pump, {garbled});
    test::HttpServer silent(pump, {test::Reply{{}, false}});
    http.TimeOut = 300;
    struct Case {
        const char* name;
        int port;
        test::Failure failure;
    };
    const Case cases[] = {
        {"plain HTTP", plain.Port(), {"ESockError", "Not A TLS Server"}},
        {"silent", silent.Port(), {"ESockError", "Connection Timed Out"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(test::FailureOf([&] { http.Get(Https(c.port, "127.0.0.1")); }), c.failure);
    }
}

TEST_F(TlsGet, ACloseWithoutCloseNotifyTruncatesUnlessTheLengthWasReceived) {
    const std::string body = "Good,1,2\r\n";
    struct Case {
        const char* name;
        std::string reply;
        test::Failure failure;
    };
    const Case cases[] = {
        {"no length",
         "HTTP/1.0 200 OK\r\n\r\n" + body,
         {"ESockError", "TLS Connection Truncated [closed without close_notify]"}},
        {"length received", "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n" + body, {"none", ""}},
        {"length beyond",
         "HTTP/1.0 200 OK\r\nContent-Length: 11\r\n\r\n" + body,
         {"ESockError", "TLS Connection Truncated [closed without close_notify]"}},
        {"two lengths",
         "HTTP/1.0 200 OK\r\nContent-Length: 10\r\nContent-Length: 10\r\n\r\n" + body,
         {"ESockError", "TLS Connection Truncated [closed without close_notify]"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // TLS 1.2 shows the alert's record type, so the relay can drop it.
        test::SServer server("localhost", {{"x", c.reply}}, {"-tls1_2"});
        test::Relay relay(pump, server.Port(), true, rng);
        EXPECT_EQ(test::FailureOf([&] { http.Get(Https(relay.Port())); }), c.failure);
    }
}

TEST_F(TlsGet, ResumesOnlyTheSessionOfTheSameHostAndPort) {
    // Wine's SChannel speaks TLS 1.2 at most, and resumes no session.
    const bool resumes = !test::UnderWine();
    std::vector<std::string> versions = {"-tls1_2"};
    if (!test::UnderWine()) versions.push_back("-tls1_3");
    for (const std::string& version : versions) {
        SCOPED_TRACE(version);
        test::SServer server("localhost", {{"x", kPage}}, {version});
        const std::pair<std::string, bool> gets[] = {
            {"localhost", false}, {"localhost", true}, {"127.0.0.1", false}, {"localhost", true}};
        for (const auto& [host, resumed] : gets) {
            http.Get(Https(server.Port(), host));
            EXPECT_EQ(http.TlsResumed(), resumed && resumes) << host;
            EXPECT_EQ(http.Body, "Good,1,2\r\n");
        }
    }
}

}  // namespace
}  // namespace lookout
