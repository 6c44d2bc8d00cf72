#include "monitor/Settings.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"

namespace lookout {
namespace {

TEST(ParseSettings, ReadsPositionAndTakesUrlLinesVerbatim) {
    const Settings s = ParseSettings("  100 \r\n-20\t\r\nhttp://h/ \r\nhttp://m/\r\nabc\r\nextra\r\n");
    EXPECT_EQ(s.left, 100);
    EXPECT_EQ(s.top, -20);
    EXPECT_EQ(s.statusBaseUrl, "http://h/ ");  // trailing blank kept
    EXPECT_EQ(s.mapBaseUrl, "http://m/");
    EXPECT_EQ(s.urlSuffix, "abc");
}

TEST(ParseSettings, HexPositionsLoneCrOrLfLinesAndAByteOrderMark) {
    const Settings s = ParseSettings("\xEF\xBB\xBF$10\r0x20\nA\rB\nC");
    EXPECT_EQ(s.left, 16);
    EXPECT_EQ(s.top, 32);
    EXPECT_EQ(s.urlSuffix, "C");
}

TEST(ParseSettings, FailuresNameTheFaultyLineOrText) {
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {"", "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (0)"},
        {"1\r\n2\r\na\r\nb\r\n", "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)"},
        {"1\r\n2\r\na\r\nb", "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)"},
        {std::string("1\r\n2\r\na\r\nb\r\n\0c\r\n", 15), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)"},
        {"\t100\r\n2\r\na\r\nb\r\nc\r\n", "'\t100' は数値ではありません"},
        {"100\r\n1.5\r\na\r\nb\r\nc\r\n", "'1.5' は数値ではありません"},
        {"x\r\n", "'x' は数値ではありません"},  // line 1 is read before the count matters
        {"\r\n2\r\na\r\nb\r\nc\r\n", "'' は数値ではありません"},
        // saved in UTF-8: quoted readable, not garbled
        {reinterpret_cast<const char*>(u8"１００\r\n"), "'１００' は数値ではありません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.file));
        try {
            ParseSettings(c.file);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(RewritePosition, ReplacesTwoLinesAndKeepsTheRestByteForByte) {
    const struct {
        std::string before;
        std::int32_t left, top;
        std::string after;
    } cases[] = {
        {"1\r\n2\r\na\r\nb\r\nc\r\n", 10, 20, "10\r\n20\r\na\r\nb\r\nc\r\n"},
        {"1\n2\na \nb\nc", -5, 0, "-5\r\n0\r\na \r\nb\r\nc\r\n"},   // LF only, no final break
        {"1\r2\r\na\r\nb\r\nc\r\nsix\r\n\r\nseven\xff\r\n", 3, 4, "3\r\n4\r\na\r\nb\r\nc\r\nsix\r\n\r\nseven\xff\r\n"},
        {"\xEF\xBB\xBF" "1\r\n2\r\n", 3, 4, "\xEF\xBB\xBF" "3\r\n4\r\n"},  // the mark stays
        {"x\r\ny\r\n", 2147483647, -2147483647 - 1, "2147483647\r\n-2147483648\r\n"},  // old text not read
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.before));
        EXPECT_EQ(RewritePosition(c.before, c.left, c.top), c.after);
    }
    EXPECT_THROW(RewritePosition("1\r\n", 0, 0), EListError);
    EXPECT_THROW(RewritePosition("", 0, 0), EListError);
}

}  // namespace
}  // namespace lookout
