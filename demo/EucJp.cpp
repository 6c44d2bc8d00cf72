#include "demo/EucJp.h"

#include "platform/Exception.h"
#include "platform/Iconv.h"

namespace lookout::demo {

std::string Cp932ToEucJp(std::string_view sjis) {
    static const Iconv toEuc("EUC-JP", "CP932");
    std::optional<std::string> euc = toEuc.TryConvert(sjis);
    if (!euc) throw Exception("text not convertible to EUC-JP");
    return *std::move(euc);
}

}  // namespace lookout::demo
