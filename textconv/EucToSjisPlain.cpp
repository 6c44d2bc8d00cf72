#include "textconv/EucToSjisKernels.h"

#include <cstddef>
#include <cstdint>

#include "textconv/JisArithmetic.h"

namespace lookout::textconv {

std::string EucToSjisPlain(std::string_view euc) {
    std::string out;
    out.reserve(euc.size() + 1);
    const std::size_t n = euc.size();
    // The byte after the source counts as the text's terminating zero.
    auto at = [&](std::size_t i) -> std::uint8_t {
        return i < n ? static_cast<std::uint8_t>(euc[i]) : 0;
    };
    std::size_t i = 0;
    while (i < n) {
        const std::uint8_t b = at(i);
        if (IsEucLead(b)) {
            const SjisPair p = EucPairToSjis(b, at(i + 1));
            out.push_back(static_cast<char>(p.high));
            out.push_back(static_cast<char>(p.low));
            i += 2;
        } else if (b == kKanaPrefix && IsHalfWidthKana(at(i + 1))) {
            out.push_back(static_cast<char>(at(i + 1)));
            i += 2;
        } else {
            out.push_back(static_cast<char>(b));
            i += 1;
        }
    }
    return out;
}

}  // namespace lookout::textconv
