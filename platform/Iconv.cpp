#include "platform/Iconv.h"

#include <cerrno>

#include "platform/Exception.h"

namespace lookout {

Iconv::Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1))
        throw Exception(std::string("iconv cannot convert ") + from + " to " + to);
}

Iconv::~Iconv() { iconv_close(cd_); }

bool Iconv::Run(const char*& in, std::size_t& inLeft, std::string& out) const {
    char buffer[4096];
    while (inLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd_, const_cast<char**>(&in), &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno != E2BIG) return false;
    }
    return true;
}

std::optional<std::string> Iconv::TryConvert(std::string_view text) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(text.size() * 3 / 2 + 4);
    const char* in = text.data();
    std::size_t inLeft = text.size();
    if (!Run(in, inLeft, out)) return std::nullopt;
    return out;
}

std::string Iconv::ConvertMarking(std::string_view text, std::string_view mark) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(text.size() * 3 / 2 + 4);
    const char* in = text.data();
    std::size_t inLeft = text.size();
    while (!Run(in, inLeft, out)) {
        out += mark;
        ++in;
        --inLeft;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

}  // namespace lookout
