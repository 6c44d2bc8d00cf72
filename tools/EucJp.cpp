#include "tools/EucJp.h"

#include <iconv.h>

#include "platform/Exception.h"

namespace lookout::demo {

std::string Cp932ToEucJp(std::string_view sjis) {
    iconv_t cd = iconv_open("EUC-JP", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw Exception("iconv cannot convert CP932 to EUC-JP");
    // No character grows beyond two bytes: half-width kana gain a prefix,
    // JIS X 0212 characters take three bytes for two.
    std::string out(sjis.size() * 2, '\0');
    char* in = const_cast<char*>(sjis.data());
    char* dst = out.data();
    std::size_t inLeft = sjis.size(), dstLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1))
        throw Exception("text not convertible to EUC-JP at byte " + std::to_string(sjis.size() - inLeft));
    out.resize(out.size() - dstLeft);
    return out;
}

}  // namespace lookout::demo
