#include "textconv/PzConv.h"

#include "textconv/EucToSjisKernels.h"
#include "textconv/JisArithmetic.h"

namespace lookout {

std::string TPzConv::EucToSjis(std::string_view euc) const {
    return textconv::EucToSjisFast(euc);
}

std::string TPzConv::JisToSjis(std::uint8_t high, std::uint8_t low) const {
    if (high < 0x21 || high > 0x7E) return {};
    const textconv::SjisPair p = textconv::JisPairToSjis(high, low);
    return {static_cast<char>(p.high), static_cast<char>(p.low)};
}

}  // namespace lookout
