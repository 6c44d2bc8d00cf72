#include "textconv/PzConv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/textconv/Bytes.h"

namespace lookout {
namespace {

using test::Bytes;
using test::Hex;

struct Example {
    std::string euc;
    std::string sjis;
    bool atEnd;  // the case is about the end of the source
};

const std::vector<Example>& WorkedExamples() {
    static const std::vector<Example> examples = {
        {"", "", false},
        {Bytes({0x41}), Bytes({0x41}), false},
        {Bytes({0x0A}), Bytes({0x0A}), false},
        {Bytes({0xA4, 0xA2}), Bytes({0x82, 0xA0}), false},  // even row
        {Bytes({0xA5, 0xA2}), Bytes({0x83, 0x41}), false},  // odd row, cell below 0x60
        {Bytes({0xA3, 0xC1}), Bytes({0x82, 0x60}), false},
        {Bytes({0xA5, 0xE0}), Bytes({0x83, 0x80}), false},  // odd row, cell from 0x60
        {Bytes({0xB0, 0xA1}), Bytes({0x88, 0x9F}), false},
        {Bytes({0xB4, 0xC1}), Bytes({0x8A, 0xBF}), false},
        {Bytes({0xDE, 0xA1}), Bytes({0x9F, 0x9F}), false},  // last row below 0x5F
        {Bytes({0xDF, 0xA1}), Bytes({0xE0, 0x40}), false},  // first row from 0x5F
        {Bytes({0xF4, 0xA6}), Bytes({0xEA, 0xA4}), false},
        {Bytes({0xA1, 0xBC}), Bytes({0x81, 0x5B}), false},
        {Bytes({0x8E, 0xB1}), Bytes({0xB1}), false},
        {Bytes({0x8E, 0xB6, 0x8E, 0xDE}), Bytes({0xB6, 0xDE}), false},
        {Bytes({0x8E, 0x41}), Bytes({0x8E, 0x41}), false},
        {Bytes({0xA4, 0x0A}), Bytes({0x82, 0x08}), false},  // the line feed is swallowed
        {Bytes({0xA0, 0xFF}), Bytes({0xA0, 0xFF}), false},
        {Bytes({0x8F, 0xB0, 0xA1}), Bytes({0x8F, 0x88, 0x9F}), false},  // three-byte EUC-JP
        {Bytes({0x8E, 0xE0, 0xA1}), Bytes({0x8E, 0xE0, 0x9F}), false},  // 0xE0 is no katakana code
        {std::string(1, '\0') + Bytes({0xA4, 0xA2}), Bytes({0x00, 0x82, 0xA0}), false},
        {Bytes({0xA4}), Bytes({0x82, 0xFE}), true},  // paired with a zero byte
        {Bytes({0xA5}), Bytes({0x83, 0xA0}), true},
        {Bytes({0x8E}), Bytes({0x8E}), true},
    };
    return examples;
}

// Each example alone, and again inside a long ASCII text at several offsets,
// so that the block loop meets it as well as the short tail.
TEST(PzConv, WorkedExamplesHoldAloneAndInsideLongText) {
    const TPzConv pz;
    for (const Example& e : WorkedExamples()) {
        SCOPED_TRACE("input " + Hex(e.euc));
        EXPECT_EQ(Hex(pz.EucToSjis(e.euc)), Hex(e.sjis));
        for (std::size_t pad = 13; pad <= 35; ++pad) {
            SCOPED_TRACE("after " + std::to_string(pad) + " ASCII bytes");
            const std::string before(pad, 'x');
            const std::string after = e.atEnd ? "" : std::string(40, 'y');
            EXPECT_EQ(Hex(pz.EucToSjis(before + e.euc + after)), Hex(before + e.sjis + after));
        }
    }
}

TEST(PzConv, StrayLeadByteSwallowsWhateverFollows) {
    const TPzConv pz;
    for (int lead : {0xA1, 0xA4, 0xA5, 0xDE, 0xDF, 0xFE}) {
        for (int follower = 0; follower < 256; ++follower) {
            for (std::size_t pad : {0u, 14u, 15u, 16u, 31u}) {
                SCOPED_TRACE(Hex(Bytes({static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(follower)})) +
                             " after " + std::to_string(pad));
                const std::string before(pad, 'x');
                const std::string euc =
                    before + Bytes({static_cast<std::uint8_t>(lead), static_cast<std::uint8_t>(follower)}) + "ABC";
                const std::string sjis = pz.EucToSjis(euc);
                // Two bytes for the pair, and what follows it is untouched.
                ASSERT_EQ(sjis.size(), euc.size());
                EXPECT_EQ(sjis.substr(0, pad), before);
                EXPECT_EQ(sjis.substr(pad + 2), "ABC");
                EXPECT_EQ(sjis.substr(pad, 2), pz.EucToSjis(euc.substr(pad, 2)));
            }
        }
    }
}

// A last lead byte converts as if a zero byte followed it, whatever stands
// before it.
TEST(PzConv, LeadByteAtEndPairsWithZero) {
    const TPzConv pz;
    const std::vector<std::string> befores = {"", "x", std::string(15, 'x'), std::string(16, 'x'),
                                              std::string(30, 'x'), Bytes({0xB0, 0xA1}),
                                              Bytes({0x8E, 0xB1}), std::string(9, 'x') + Bytes({0xA4, 0xA2})};
    for (const std::string& before : befores) {
        for (int lead = 0xA1; lead <= 0xFE; ++lead) {
            SCOPED_TRACE(Hex(before) + " then " + Hex(Bytes({static_cast<std::uint8_t>(lead)})));
            const std::string euc = before + Bytes({static_cast<std::uint8_t>(lead)});
            const std::string sjis = pz.EucToSjis(euc);
            EXPECT_EQ(sjis.size(), pz.EucToSjis(before).size() + 2);
            EXPECT_EQ(Hex(sjis), Hex(pz.EucToSjis(euc + std::string(1, '\0'))));
        }
    }
}

TEST(PzConv, SettingsStartAtTheirDefaultsAndChangeNothing) {
    TPzConv pz;
    EXPECT_EQ(pz.JisByteCodeType, btAscii);
    EXPECT_EQ(pz.JisKanaConvType, ktZenWithDaku);

    std::string euc = "<td>ab 12</td>\r\n";
    for (const Example& e : WorkedExamples()) euc += e.euc;
    const std::string expected = pz.EucToSjis(euc);
    for (TJisByteCodeType b : {btAscii, btRoman}) {
        for (TJisKanaConvType k : {ktNone, ktZenWithDaku, ktZenSepaDaku}) {
            SCOPED_TRACE("byte code " + std::to_string(b) + ", kana " + std::to_string(k));
            pz.JisByteCodeType = b;
            pz.JisKanaConvType = k;
            EXPECT_EQ(pz.EucToSjis(euc), expected);
            EXPECT_EQ(pz.JisToSjis(0x30, 0x21), Bytes({0x88, 0x9F}));
        }
    }
}

TEST(PzConv, JisToSjisTakesRows0x21To0x7EOnly) {
    const TPzConv pz;
    const struct {
        int high, low;
        std::string sjis;
    } cases[] = {
        {0x00, 0x21, ""},
        {0x20, 0x21, ""},
        {0x7F, 0x21, ""},
        {0x80, 0x21, ""},
        {0xFF, 0x21, ""},
        {0x21, 0x21, Bytes({0x81, 0x40})},
        {0x7E, 0x7E, Bytes({0xEF, 0xFC})},
        {0x21, 0x00, Bytes({0x81, 0x1F})},  // the cell is not checked
        {0x22, 0xFF, Bytes({0x81, 0x7D})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Hex(Bytes({static_cast<std::uint8_t>(c.high), static_cast<std::uint8_t>(c.low)})));
        EXPECT_EQ(Hex(pz.JisToSjis(static_cast<std::uint8_t>(c.high), static_cast<std::uint8_t>(c.low))),
                  Hex(c.sjis));
    }
}

}  // namespace
}  // namespace lookout
