#pragma once
// The EUC-JP to Shift-JIS converter PZ of the refresh cycle. It works on bytes
// alone, without tables: two-byte characters are converted arithmetically,
// half-width katakana lose their 0x8E prefix, every other byte is copied.
#include <cstdint>
#include <string>
#include <string_view>

namespace lookout {

enum TJisByteCodeType : std::uint8_t { btAscii, btRoman };
enum TJisKanaConvType : std::uint8_t { ktNone, ktZenWithDaku, ktZenSepaDaku };

class TPzConv {
public:
    // Published settings, kept as set; the conversion reads
    // neither, so any value gives the same output.
    TJisByteCodeType JisByteCodeType = btAscii;
    TJisKanaConvType JisKanaConvType = ktZenWithDaku;

    // The whole text, in one pass; never fails. A lead byte takes the byte
    // after it as its partner whatever it is, and a lead byte at the very end
    // is paired with a zero byte.
    std::string EucToSjis(std::string_view euc) const;

    // One JIS X 0208 code (row and cell, 0x21..0x7E) to its two Shift-JIS
    // bytes; a row outside 0x21..0x7E gives the empty text. The cell is not
    // checked.
    std::string JisToSjis(std::uint8_t high, std::uint8_t low) const;
};

}  // namespace lookout
