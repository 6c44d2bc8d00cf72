#pragma once
// The byte classes of EUC-JP and the JIS X 0208 to Shift-JIS arithmetic,
// shared by every conversion loop.
#include <cstdint>

namespace lookout::textconv {

constexpr std::uint8_t kKanaPrefix = 0x8E;

constexpr bool IsEucLead(std::uint8_t b) { return b >= 0xA1 && b <= 0xFE; }
constexpr bool IsHalfWidthKana(std::uint8_t b) { return b >= 0xA1 && b <= 0xDF; }

struct SjisPair {
    std::uint8_t high;
    std::uint8_t low;
};

// Row and cell of a JIS X 0208 code to Shift-JIS, modulo 256. The row must be
// 0x21..0x7E; the cell is taken as it is.
constexpr SjisPair JisPairToSjis(std::uint8_t high, std::uint8_t low) {
    if (high & 1)
        low = static_cast<std::uint8_t>(low + (low < 0x60 ? 0x1F : 0x20));
    else
        low = static_cast<std::uint8_t>(low + 0x7E);
    high = static_cast<std::uint8_t>(((high + 1) >> 1) + (high < 0x5F ? 0x70 : 0xB0));
    return {high, low};
}

// An EUC-JP lead byte and its partner, both still carrying their 0x80 bit.
constexpr SjisPair EucPairToSjis(std::uint8_t lead, std::uint8_t partner) {
    return JisPairToSjis(static_cast<std::uint8_t>(lead - 0x80),
                         static_cast<std::uint8_t>(partner - 0x80));
}

}  // namespace lookout::textconv
