#include "textconv/EucToSjisKernels.h"

#if defined(__SSE2__)

#include "textconv/Sse2Block.h"

namespace lookout::textconv {

std::string EucToSjisSse2(std::string_view euc) {
    // At most one byte more than the source: a lead byte at the very end.
    std::string out(euc.size() + 1, '\0');
    sse2::Cursor c{reinterpret_cast<const std::uint8_t*>(euc.data()), reinterpret_cast<std::uint8_t*>(out.data())};
    while (c.i + 16 <= euc.size()) {
        sse2::Prefetch(c);
        sse2::Step(c);
    }
    sse2::Finish(out, euc, c);
    return out;
}

}  // namespace lookout::textconv

#endif
