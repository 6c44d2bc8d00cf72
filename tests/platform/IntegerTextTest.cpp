#include "platform/IntegerText.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"

namespace lookout {
namespace {

TEST(StrToInt, AcceptedForms) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"0", 0},          {"100", 100},     {"  100", 100},         {"+7", 7},
        {"-7", -7},        {"007", 7},       {"$ff", 255},           {"$FF", 255},
        {"0x10", 16},      {"0X10", 16},     {"x1A", 26},            {"X1a", 26},
        {"2147483647", 2147483647},          {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},           {"$FFFFFFFF", -1},      {"0x80000000", -2147483647 - 1},
        {"$00000000000000ff", 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.value);
    }
}

TEST(StrToInt, RejectedFormsCarryTheText) {
    for (const char* text : {"", " ", "abc", "1.5", "1e3", "12a", "100 ", "\t100", "+", "-", "$", "0x", "--1",
                             "+-1", "-$10", "$-10", "2147483648", "-2147483649", "$100000000", "99999999999",
                             "1,000", "\xef\xbc\x91"}) {
        SCOPED_TRACE(text);
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(text) + "' は数値ではありません");
        }
    }
}

TEST(TrimRight, RemovesBlanksAndControlsOnly) {
    EXPECT_EQ(TrimRight("  100 \t\r\n\x01"), "  100");
    EXPECT_EQ(TrimRight("\x82\xa0 "), "\x82\xa0");  // Shift-JIS bytes are kept
    EXPECT_EQ(TrimRight(" \r\n"), "");
    EXPECT_EQ(TrimRight(std::string("7\0", 2)), "7");
}

}  // namespace
}  // namespace lookout
