#pragma once
// The one wrapper over iconv: a descriptor for one pair of character sets,
// opened once and reset before every text.
#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace lookout {

class Iconv {
public:
    // Raises Exception when iconv lacks the pair.
    Iconv(const char* to, const char* from);
    ~Iconv();
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // The whole text converted, or nothing when iconv refuses any of it.
    std::optional<std::string> TryConvert(std::string_view text) const;
    // The whole text converted, each byte iconv refuses (an invalid sequence,
    // or an incomplete one at the end) replaced by `mark`.
    std::string ConvertMarking(std::string_view text, std::string_view mark) const;

private:
    // Converts from `in` on until done or refused; false when refused.
    bool Run(const char*& in, std::size_t& inLeft, std::string& out) const;

    iconv_t cd_;
};

}  // namespace lookout
