#include "platform/DisplayText.h"

#include <iconv.h>

#include <cerrno>

namespace lookout {

namespace {

// One converter for the process; iconv descriptors are costly to open and the
// program has one thread.
iconv_t Converter() {
    static iconv_t cd = iconv_open("UTF-8", "CP932");
    return cd;
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
    iconv_t cd = Converter();
    std::string out;
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        out.assign(sjis);
        return out;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    out.reserve(sjis.size() * 3 / 2 + 4);
    char* in = const_cast<char*>(sjis.data());
    std::size_t inLeft = sjis.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a lead byte at the end): mark one byte and go on.
        out += "\xEF\xBF\xBD";
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace lookout
