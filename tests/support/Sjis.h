#pragma once
// Japanese expectations written as UTF-8 in the test, or pages in EUC-JP,
// turned into Shift-JIS by iconv: an oracle independent of the compiler's
// re-encoding and of the program's own converter.
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/CharsetConverter.h"

namespace lookout::test {

// Any text iconv can read in `from`, as CP932.
inline std::string ToCp932(std::string_view text, const char* from) {
    std::optional<std::string> out = CharsetConverter("CP932", from).TryConvert(text);
    if (!out) throw std::runtime_error("not convertible to CP932");
    return *std::move(out);
}

inline std::string Sjis(std::u8string_view utf8) {
    return ToCp932(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()), "UTF-8");
}

}  // namespace lookout::test
