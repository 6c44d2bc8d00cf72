// The spoilt page bodies and the request framing the service reads.
#include <gtest/gtest.h>

#include "demo/DemoPages.h"
#include "demo/PageFaults.h"
#include "platform/CharsetConverter.h"
#include "platform/HttpRequest.h"
#include "platform/StringList.h"

namespace lookout::demo {
namespace {

TEST(PageFaults, PaddedPagesHaveTenThousandLinesWithTheirOwnLinesLastAndTheHeadingFirst) {
    const std::string status = StatusPage(Simulate(1, 0));
    const auto padded = SplitLines(PadToLines(status, 10000, 0));
    ASSERT_EQ(padded.size(), 10000u);
    const auto own = SplitLines(status);
    EXPECT_TRUE(std::equal(own.begin(), own.end(), padded.end() - own.size()));
    for (std::size_t i = 0; i + own.size() < padded.size(); ++i) ASSERT_TRUE(padded[i].starts_with("#"));

    const std::string address = "heading\r\nLoginServer a b c d1234\r\n";
    const auto kept = SplitLines(PadToLines(address, 10000, 1));
    ASSERT_EQ(kept.size(), 10000u);
    EXPECT_EQ(kept.front(), "heading");
    EXPECT_EQ(kept.back(), "LoginServer a b c d1234");

    EXPECT_EQ(PadToLines(status, 3, 0), status);  // already long enough
}

TEST(PageFaults, NulsAreSprinkledEarlyAndTakenOutGiveThePageBack) {
    const std::string page = StatusPage(Simulate(1, 0));
    std::string spoilt = SprinkleNuls(page);
    EXPECT_LT(spoilt.find('\0'), 62u);  // a reader that stops at a NUL sees little
    EXPECT_EQ(std::count(spoilt.begin(), spoilt.end(), '\0'), static_cast<long>((page.size() + 60) / 61));
    std::erase(spoilt, '\0');
    EXPECT_EQ(spoilt, page);
}

TEST(PageFaults, BrokenEucHoldsEveryKindOfBadSequenceAndEndsInALeadByte) {
    const std::string page = AddressPage(1);
    const std::string broken = BreakEuc(page);
    for (std::string_view bad : {"\xA4\n", "\x8E" "A", "\xFF", "\x8F\xA1\r\n", "\xB0" "1"})
        EXPECT_NE(broken.find(bad), std::string::npos) << testing::PrintToString(std::string(bad));
    EXPECT_EQ(broken.back(), '\xA5');

    EXPECT_FALSE(CharsetConverter("UTF-8", "EUC-JP").TryConvert(broken));
}

TEST(HttpRequest, HeadEndsAtTheFirstEmptyLine) {
    const struct {
        const char* data;
        std::optional<std::size_t> end;
    } cases[] = {
        {"GET / HTTP/1.0\r\n\r\n", 18},
        {"GET / HTTP/1.0\n\n", 16},
        {"GET / HTTP/1.0\r\nHost: x\r\n\r\nbody", 27},
        {"GET / HTTP/1.0\r\nHost: x\r\n", std::nullopt},
        {"GET / HTTP/1.0\r\n\r", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.data)));
        EXPECT_EQ(FindHeadEnd(c.data), c.end);
    }
}

TEST(HttpRequest, RequestLineGivesMethodPathAndQuery) {
    const struct {
        const char* head;
        bool ok;
        const char* path;
        const char* query;
    } cases[] = {
        {"GET /world1/status.txt HTTP/1.0\r\n", true, "/world1/status.txt", ""},
        {"GET /control/fault?mode=slow&ms=5 HTTP/1.1\r\n", true, "/control/fault", "mode=slow&ms=5"},
        {"GET http://127.0.0.1:8080/ipmap/world1 HTTP/1.0\r\n", true, "/ipmap/world1", ""},
        {"GET http://127.0.0.1:8080 HTTP/1.0\r\n", true, "/", ""},
        {"GET /x HTTP/2\r\n", false, "", ""},
        {"GET /x\r\n", false, "", ""},
        {"GET  /x HTTP/1.0\r\n", false, "", ""},
        {"GET x HTTP/1.0\r\n", false, "", ""},
        {"\r\n", false, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.head);
        const auto request = ParseRequestLine(c.head);
        ASSERT_EQ(request.has_value(), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(request->method, "GET");
        EXPECT_EQ(request->path, c.path);
        EXPECT_EQ(request->query, c.query);
    }
}

TEST(HttpRequest, QueryParametersAreDecoded) {
    const auto params = ParseQuery("mode=redirect&to=http%3A%2F%2F127.0.0.1%3A9%2Fx&a+b=c+d&flag&bad=%zz%4");
    EXPECT_EQ(params.at("mode"), "redirect");
    EXPECT_EQ(params.at("to"), "http://127.0.0.1:9/x");
    EXPECT_EQ(params.at("a b"), "c d");
    EXPECT_EQ(params.at("flag"), "");
    EXPECT_EQ(params.at("bad"), "%zz%4");
    EXPECT_EQ(ParseQuery("mode=a&mode=b").at("mode"), "b");
}

}  // namespace
}  // namespace lookout::demo
