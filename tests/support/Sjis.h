#pragma once
// Japanese expectations written as UTF-8 in the test and turned into
// Shift-JIS by iconv: an oracle independent of the compiler's re-encoding,
// usable in files that include <chrono>.
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace lookout::test {

inline std::string Sjis(std::u8string_view utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(reinterpret_cast<const char*>(utf8.data()));
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    char* dst = out.data();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not encodable in CP932");
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace lookout::test
