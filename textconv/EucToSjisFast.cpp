#include "textconv/EucToSjisKernels.h"

namespace lookout::textconv {

std::string EucToSjisFast(std::string_view euc) {
#if defined(__x86_64__)
    if (HaveAvx2()) return EucToSjisAvx2(euc);
#endif
#if defined(__SSE2__)
    return EucToSjisSse2(euc);
#else
    return EucToSjisPlain(euc);
#endif
}

}  // namespace lookout::textconv
