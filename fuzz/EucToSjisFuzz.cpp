// EUC-JP to Shift-JIS: the fast loop gives exactly the bytes of the plain
// reference loop, and never more than two output bytes per input byte.
#include <cstdlib>
#include <string_view>

#include "textconv/EucToSjisKernels.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view euc(reinterpret_cast<const char*>(data), size);
    const std::string plain = lookout::textconv::EucToSjisPlain(euc);
    if (lookout::textconv::EucToSjisFast(euc) != plain) std::abort();
    if (plain.size() > 2 * euc.size()) std::abort();
    return 0;
}
