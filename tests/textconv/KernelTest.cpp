// The block loop against the plain reference loop.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "tests/textconv/Bytes.h"
#include "textconv/EucToSjisKernels.h"

namespace lookout::textconv {
namespace {

using test::Hex;

// Where two outputs part, rather than two long dumps.
std::string FirstDifference(const std::string& got, const std::string& expected) {
    std::size_t at = 0;
    while (at < got.size() && at < expected.size() && got[at] == expected[at]) ++at;
    return "output byte " + std::to_string(at) + " of " + std::to_string(expected.size());
}

void ExpectSameAsPlain(const std::string& euc) {
    const std::string expected = EucToSjisPlain(euc);
    auto check = [&](const char* name, const std::string& got) {
        if (got != expected) ADD_FAILURE() << name << " parts at " << FirstDifference(got, expected) << "; input " << Hex(euc);
    };
    check("fastest loop", EucToSjisFast(euc));
#if defined(__SSE2__)
    check("SSE2 loop", EucToSjisSse2(euc));
    if (Ssse3Usable()) check("SSSE3 loop", EucToSjisSsse3(euc));
#endif
}

// Every JIS X 0208 code, as one run of two-byte characters starting at each
// offset of a block, and broken up by ASCII and katakana.
TEST(Kernel, EveryJisCodeAtEveryOffset) {
    std::string codes;
    for (int row = 0x21; row <= 0x7E; ++row)
        for (int cell = 0x21; cell <= 0x7E; ++cell) codes += {static_cast<char>(row | 0x80), static_cast<char>(cell | 0x80)};
    for (std::size_t offset = 0; offset < 17; ++offset) {
        SCOPED_TRACE("offset " + std::to_string(offset));
        ExpectSameAsPlain(std::string(offset, 'a') + codes);
        ExpectSameAsPlain(std::string(offset, 'a') + codes + "\xA4");
    }
    std::string mixed;
    for (std::size_t i = 0; i < codes.size(); i += 2) {
        mixed += codes.substr(i, 2);
        if (i % 14 == 0) mixed += "<b>";
        if (i % 22 == 0) mixed += "\x8E\xB1\x8E\xDF";
    }
    ExpectSameAsPlain(mixed);
}

// Katakana, a prefix without a code, and a lead byte before a prefix, at
// every offset of a 64-byte chunk and its neighbour, the prefix in the last
// lane with its code in the next chunk or past the end.
TEST(Kernel, KatakanaAcrossBlockAndChunkEdges) {
    const std::string pieces[] = {"\x8E\xB1\x8E\xDF", "\x8E\x41", "\xA4\x8E\xB1", "\x8E\x8E\xA1", "\x8E"};
    for (const std::string& piece : pieces)
        for (std::size_t offset = 0; offset < 130; ++offset) {
            SCOPED_TRACE("piece " + Hex(piece) + " at offset " + std::to_string(offset));
            const std::string text = std::string(offset, 'a') + piece;
            ExpectSameAsPlain(text);
            ExpectSameAsPlain(text + std::string(70, 'b'));
        }
}

// Random texts drawn from the byte classes the loops tell apart, weighted so
// that every transition occurs often, of lengths around the block size and
// beyond; a third of them end in a lead byte.
TEST(Kernel, RandomTextsMatchThePlainLoop) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
        const int weights[] = {pick(0, 8), pick(0, 8), pick(0, 4), pick(0, 2), pick(0, 1), pick(0, 1)};
        std::discrete_distribution<int> kind(std::begin(weights), std::end(weights));
        const std::size_t length = seed % 4 == 0 ? static_cast<std::size_t>(pick(0, 4000)) : pick(0, 80);
        std::string euc;
        while (euc.size() < length) {
            switch (weights[0] + weights[1] + weights[2] + weights[3] + weights[4] + weights[5] == 0 ? 0 : kind(rng)) {
                case 0: euc.push_back(static_cast<char>(pick(0x00, 0x7F))); break;
                case 1: euc.push_back(static_cast<char>(pick(0xA1, 0xFE))); break;
                case 2: euc.push_back(static_cast<char>(0x8E)); euc.push_back(static_cast<char>(pick(0xA1, 0xDF))); break;
                case 3: euc.push_back(static_cast<char>(0x8E)); break;
                case 4: euc.push_back(static_cast<char>(pick(0x80, 0xA0))); break;
                default: euc.push_back(static_cast<char>(pick(0x00, 0xFF))); break;
            }
        }
        if (seed % 3 == 0) euc.push_back(static_cast<char>(pick(0xA1, 0xFE)));
        SCOPED_TRACE("seed " + std::to_string(seed) + ", length " + std::to_string(euc.size()));
        ExpectSameAsPlain(euc);
        // Every suffix of short texts, so each byte also starts a block.
        if (euc.size() <= 80)
            for (std::size_t from = 1; from < euc.size(); ++from) ExpectSameAsPlain(euc.substr(from));
    }
}

}  // namespace
}  // namespace lookout::textconv
