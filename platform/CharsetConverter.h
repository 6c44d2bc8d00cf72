#pragma once
// The one converter between character sets, named as iconv names them
// ("CP932", "EUC-JP", "UTF-8"): iconv on POSIX systems, the system's code
// pages on Windows. Made once for a pair and used for any number of texts.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lookout {

class CharsetConverter {
public:
    // Raises Exception when the system lacks the pair.
    CharsetConverter(const char* to, const char* from);
    ~CharsetConverter();
    CharsetConverter(const CharsetConverter&) = delete;
    CharsetConverter& operator=(const CharsetConverter&) = delete;

    // The whole text converted, or nothing when any of it cannot be.
    std::optional<std::string> TryConvert(std::string_view text) const;
    // The whole text converted, each byte that cannot be (an invalid
    // sequence, or an incomplete one at the end) replaced by `mark`.
    std::string ConvertMarking(std::string_view text, std::string_view mark) const;

private:
    struct Pair;  // iconv's descriptor, or the two code pages
    std::unique_ptr<Pair> pair_;
};

}  // namespace lookout
