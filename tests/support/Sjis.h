#pragma once
// Japanese expectations written as UTF-8 in the test, or pages in EUC-JP,
// turned into Shift-JIS by iconv: an oracle independent of the compiler's
// re-encoding and of the program's own converter.
#include <iconv.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace lookout::test {

// Any text iconv can read in `from`, as CP932.
inline std::string ToCp932(std::string_view text, const char* from) {
    iconv_t cd = iconv_open("CP932", from);
    std::string out(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size(), outLeft = out.size();
    char* dst = out.data();
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible to CP932");
    out.resize(out.size() - outLeft);
    return out;
}

inline std::string Sjis(std::u8string_view utf8) {
    return ToCp932(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()), "UTF-8");
}

}  // namespace lookout::test
