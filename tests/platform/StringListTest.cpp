#include "platform/StringList.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"

namespace lookout {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitLines, LineBreakRules) {
    const struct {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\rb\r", {"a", "", "b"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\n\r", {"a", ""}},  // LF then a lone CR: two breaks
        {std::string("ab\0cd\n", 6), {"ab"}},
        {std::string("\0x", 2), {}},
        {"\x82\xa0\r\n\xff", {"\x82\xa0", "\xff"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(SplitLines(c.text), c.lines);
    }
}

TEST(StringList, TextEndsEveryLineWithCrLf) {
    EXPECT_EQ(StringList("a\nb").Text(), "a\r\nb\r\n");
    EXPECT_EQ(StringList("a\r\n\r\nb\r").Text(), "a\r\n\r\nb\r\n");
    EXPECT_EQ(StringList("").Text(), "");
}

TEST(StringList, OutOfRangeIndexRaisesTheListIndexError) {
    StringList list("a\nb");
    try {
        list.At(4);
        FAIL() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)");
    }
    EXPECT_THROW(StringList().Delete(0), EListError);
    EXPECT_THROW(list.Put(2, "x"), EListError);
    list.Insert(2, "c");  // one past the end is an append
    EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\n");
}

}  // namespace
}  // namespace lookout
