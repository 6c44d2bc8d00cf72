// Display text through Windows' code page 932: where CP932 has no character,
// each byte is marked and the next one read on its own, as iconv does.
#include "platform/DisplayText.h"

#include <gtest/gtest.h>

namespace lookout {
namespace {

TEST(WindowsDisplayText, MarksByteByByteWhatCp932CannotShow) {
    const struct {
        const char* sjis;
        const char* utf8;
    } cases[] = {
        {"\x83\x76\x83\x8D\x83\x93\x83\x65\x83\x89 \x96\x6B", "プロンテラ 北"},
        {"A\x82", "A\xEF\xBF\xBD"},                    // a lead byte at the end
        {"\x81\x20Z", "\xEF\xBF\xBD Z"},               // a lead byte before a byte that cannot follow it
        {"\x85\x40X", "\xEF\xBF\xBD@X"},               // an unassigned pair: its second byte stands alone
        {"\xFD\x87\x40", "\xEF\xBF\xBD\xE2\x91\xA0"},  // an unused byte, then NEC's circled one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(SjisToUtf8(c.sjis), c.utf8);
    }
}

}  // namespace
}  // namespace lookout
