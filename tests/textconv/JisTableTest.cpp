// The converter against an independent table: glibc's iconv, EUC-JP to CP932.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "platform/CharsetConverter.h"
#include "tests/textconv/Bytes.h"
#include "textconv/PzConv.h"

namespace lookout {
namespace {

using test::Hex;

std::string Euc(int row, int cell) {
    return {static_cast<char>(row | 0x80), static_cast<char>(cell | 0x80)};
}

// Every row and cell of JIS X 0208. glibc's EUC-JP knows exactly the 6879
// assigned characters, and for all of them its CP932 gives the standard
// Shift-JIS code, including the few characters whose Unicode values CP932
// tables usually spell differently (wave dash, minus sign, ...), so no code
// needs an exception. The 1957 unassigned codes have no oracle; they must
// still land on distinct two-byte Shift-JIS codes (among them CP932's NEC
// row 13 and the user area), as the arithmetic is a bijection onto that grid.
TEST(JisTable, EveryCodeMatchesIconvOrFillsTheShiftJisGrid) {
    const CharsetConverter toCp932("CP932", "EUC-JP");
    const TPzConv pz;

    std::string whole;
    int assigned = 0;
    std::set<std::string> seen;
    for (int row = 0x21; row <= 0x7E; ++row) {
        for (int cell = 0x21; cell <= 0x7E; ++cell) {
            const std::string euc = Euc(row, cell);
            SCOPED_TRACE("EUC-JP " + Hex(euc));
            whole += euc;
            const std::string sjis = pz.EucToSjis(euc);
            if (const auto expected = toCp932.TryConvert(euc)) {
                ++assigned;
                EXPECT_EQ(Hex(sjis), Hex(*expected));
            }
            ASSERT_EQ(sjis.size(), 2u);
            const auto lead = static_cast<std::uint8_t>(sjis[0]);
            const auto trail = static_cast<std::uint8_t>(sjis[1]);
            EXPECT_TRUE((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEF));
            EXPECT_TRUE(trail >= 0x40 && trail <= 0xFC && trail != 0x7F);
            seen.insert(sjis);
        }
    }
    EXPECT_EQ(assigned, 6879);
    EXPECT_EQ(seen.size(), 94u * 94u);

    // All of them in one text, the way the block loop sees them; iconv takes
    // the text without its unassigned codes.
    std::string assignedOnly;
    for (std::size_t i = 0; i < whole.size(); i += 2)
        if (toCp932.TryConvert(whole.substr(i, 2))) assignedOnly += whole.substr(i, 2);
    EXPECT_EQ(pz.EucToSjis(assignedOnly), toCp932.TryConvert(assignedOnly).value_or("iconv refused"));
}

// Half-width katakana: glibc maps 0x8E 0xA1..0xDF to the single CP932 bytes.
TEST(JisTable, HalfWidthKatakanaMatchIconv) {
    const CharsetConverter toCp932("CP932", "EUC-JP");
    const TPzConv pz;
    std::string all;
    for (int code = 0xA1; code <= 0xDF; ++code) all += {static_cast<char>(0x8E), static_cast<char>(code)};
    EXPECT_EQ(Hex(pz.EucToSjis(all)), Hex(toCp932.TryConvert(all).value_or("iconv refused")));
}

}  // namespace
}  // namespace lookout
