#include "platform/CharsetConverter.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "platform/Exception.h"

namespace lookout {

namespace {

// The code page of each name the program uses.
UINT CodePage(const char* name) {
    if (std::strcmp(name, "CP932") == 0) return 932;
    if (std::strcmp(name, "EUC-JP") == 0) return 20932;
    if (std::strcmp(name, "UTF-8") == 0) return CP_UTF8;
    return 0;
}

// The longest character of any of these code pages, in bytes.
constexpr std::size_t kLongestCharacter = 4;

}  // namespace

// Every conversion goes through UTF-16; a step that meets a byte sequence or
// a character it cannot convert fails instead of guessing.
struct CharsetConverter::Pair {
    UINT to;
    UINT from;

    bool Convert(std::string_view text, std::string& out) const {
        if (text.empty()) return true;
        const int inLength = static_cast<int>(text.size());
        const int wideLength = ::MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), inLength, nullptr, 0);
        if (wideLength <= 0) return false;
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        ::MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), inLength, wide.data(), wideLength);
        // UTF-8 refuses the default-character report; the others refuse
        // their best-fit look-alikes only when asked.
        const DWORD flags = to == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
        BOOL defaulted = FALSE;
        BOOL* report = to == CP_UTF8 ? nullptr : &defaulted;
        const int length = ::WideCharToMultiByte(to, flags, wide.data(), wideLength, nullptr, 0, nullptr, report);
        if (length <= 0 || defaulted) return false;
        const std::size_t used = out.size();
        out.resize(used + static_cast<std::size_t>(length));
        ::WideCharToMultiByte(to, flags, wide.data(), wideLength, out.data() + used, length, nullptr, report);
        return true;
    }
};

CharsetConverter::CharsetConverter(const char* to, const char* from) : pair_(new Pair{CodePage(to), CodePage(from)}) {
    if (pair_->to == 0 || pair_->from == 0 || !::IsValidCodePage(pair_->to) || !::IsValidCodePage(pair_->from))
        throw Exception(std::string("Windows cannot convert ") + from + " to " + to);
}

CharsetConverter::~CharsetConverter() = default;

std::optional<std::string> CharsetConverter::TryConvert(std::string_view text) const {
    std::string out;
    if (!pair_->Convert(text, out)) return std::nullopt;
    return out;
}

std::string CharsetConverter::ConvertMarking(std::string_view text, std::string_view mark) const {
    std::string out;
    if (pair_->Convert(text, out)) return out;
    // Character by character: the shortest run of bytes from here that
    // converts is the next character; a byte that starts none is marked, and
    // the next one is tried on its own.
    out.clear();
    for (std::size_t at = 0; at < text.size();) {
        std::size_t taken = 0;
        const std::size_t longest = std::min(kLongestCharacter, text.size() - at);
        for (std::size_t n = 1; n <= longest && taken == 0; ++n) {
            if (pair_->Convert(text.substr(at, n), out)) taken = n;
        }
        if (taken == 0) {
            out += mark;
            taken = 1;
        }
        at += taken;
    }
    return out;
}

}  // namespace lookout
