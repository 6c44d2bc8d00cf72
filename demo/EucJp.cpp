#include "demo/EucJp.h"

#include "platform/Exception.h"
#include "platform/CharsetConverter.h"

namespace lookout::demo {

std::string Cp932ToEucJp(std::string_view sjis) {
    static const CharsetConverter toEuc("EUC-JP", "CP932");
    std::optional<std::string> euc = toEuc.TryConvert(sjis);
    if (!euc) throw Exception("text not convertible to EUC-JP");
    return *std::move(euc);
}

}  // namespace lookout::demo
