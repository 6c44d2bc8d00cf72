#include "net/UrlSplit.h"

#include <gtest/gtest.h>

#include "NetTestSupport.h"
#include "platform/Messages.h"

namespace lookout {
namespace {

TEST(SplitUrl, HostPortAndPath) {
    struct Case {
        std::string url, previousHost;
        int previousPort;
        std::string host;
        int port;
        std::string path;
    };
    const std::string longPath = "/" + std::string(300, 'p');
    const Case cases[] = {
        {"http://H/status.txt", "", 0, "H", 80, "/status.txt"},
        {"http://H", "", 0, "H", 80, "/"},
        {"http://H/", "", 0, "H", 80, "/"},
        {"http://H:8080/x", "", 0, "H", 8080, "/x"},
        {"http://H:$1F90/x", "", 0, "H", 8080, "/x"},
        {"gopher://G/", "", 0, "G", 70, "/"},
        {"FTP://F/", "", 0, "F", 21, "/"},
        {"HTTP://h/", "", 8080, "h", 80, "/"},     // a scheme overrides the owner's port
        {"h/x", "", 8080, "h", 8080, "/x"},        // no ":" at all keeps it
        {"h:81", "", 0, "h", 81, "/"},
        {"/only/path", "prev", 81, "prev", 81, "/only/path"},  // no host: the previous one
        {"http:///x", "prev", 0, "prev", 80, "/x"},
        {"host/a//b", "prev", 0, "prev", 80, "/b"},  // "//" anywhere counts as a scheme's
        {"http://user@h/a?b=c#d", "", 0, "user@h", 80, "/a?b=c#d"},
        {"http://h" + longPath, "", 0, "h", 80, longPath.substr(0, 256)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const UrlTarget t = SplitUrl(c.url, c.previousHost, c.previousPort);
        EXPECT_EQ(t.Host, c.host);
        EXPECT_EQ(t.Port, c.port);
        EXPECT_EQ(t.Path, c.path);
    }
}

TEST(SplitUrl, HttpsSpeaksTlsOnPort443AndAUrlWithoutSchemeKeepsTheChoice) {
    struct Case {
        std::string url;
        bool previousTls;
        int port;
        bool tls;
    };
    const Case cases[] = {
        {"https://H/x", false, 443, true},  {"HTTPS://H:8443/x", false, 8443, true},
        {"http://H/x", true, 80, false},    {"/x", true, 8443, true},
        {"H/x", false, 8443, false},        {"httpsx://H/", false, 80, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const UrlTarget t = SplitUrl(c.url, "prev", 8443, c.previousTls);
        EXPECT_EQ(t.Port, c.port);
        EXPECT_EQ(t.Tls, c.tls);
    }
}

TEST(SplitUrl, Failures) {
    struct Case {
        std::string url;
        test::Failure failure;
    };
    const Case cases[] = {
        {"", {"Exception", "Empty URL"}},
        {"http://H:abc/x", {"EConvertError", messages::NotAnInteger("abc")}},
        {"http://H:/x", {"EConvertError", messages::NotAnInteger("")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(test::FailureOf([&] { SplitUrl(c.url, "prev", 81); }), c.failure);
    }
}

}  // namespace
}  // namespace lookout
