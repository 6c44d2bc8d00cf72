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
    // Straight into the result, grown when iconv runs out of room.
    std::size_t used = out.size();
    out.resize(used + inLeft + inLeft / 2 + 16);
    for (;;) {
        char* dst = out.data() + used;
        std::size_t dstLeft = out.size() - used;
        const std::size_t rc = iconv(cd_, const_cast<char**>(&in), &inLeft, &dst, &dstLeft);
        used = out.size() - dstLeft;
        if (rc != static_cast<std::size_t>(-1) || errno != E2BIG) {
            out.resize(used);
            return rc != static_cast<std::size_t>(-1);
        }
        out.resize(out.size() * 2);
    }
}

std::optional<std::string> Iconv::TryConvert(std::string_view text) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    const char* in = text.data();
    std::size_t inLeft = text.size();
    if (!Run(in, inLeft, out)) return std::nullopt;
    return out;
}

std::string Iconv::ConvertMarking(std::string_view text, std::string_view mark) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
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
