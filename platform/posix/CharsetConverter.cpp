#include "platform/CharsetConverter.h"

#include <iconv.h>

#include <cerrno>

#include "platform/Exception.h"

namespace lookout {

// A descriptor, reset before every text.
struct CharsetConverter::Pair {
    iconv_t cd;

    void Reset() const { iconv(cd, nullptr, nullptr, nullptr, nullptr); }

    // Converts from `in` on until done or refused; false when refused.
    bool Run(const char*& in, std::size_t& inLeft, std::string& out) const {
        // Straight into the result, grown when iconv runs out of room.
        std::size_t used = out.size();
        out.resize(used + inLeft + inLeft / 2 + 16);
        for (;;) {
            char* dst = out.data() + used;
            std::size_t dstLeft = out.size() - used;
            const std::size_t rc = iconv(cd, const_cast<char**>(&in), &inLeft, &dst, &dstLeft);
            used = out.size() - dstLeft;
            if (rc != static_cast<std::size_t>(-1) || errno != E2BIG) {
                out.resize(used);
                return rc != static_cast<std::size_t>(-1);
            }
            out.resize(out.size() * 2);
        }
    }
};

CharsetConverter::CharsetConverter(const char* to, const char* from) : pair_(new Pair{iconv_open(to, from)}) {
    if (pair_->cd == reinterpret_cast<iconv_t>(-1))
        throw Exception(std::string("iconv cannot convert ") + from + " to " + to);
}

CharsetConverter::~CharsetConverter() { iconv_close(pair_->cd); }

std::optional<std::string> CharsetConverter::TryConvert(std::string_view text) const {
    pair_->Reset();
    std::string out;
    const char* in = text.data();
    std::size_t inLeft = text.size();
    if (!pair_->Run(in, inLeft, out)) return std::nullopt;
    return out;
}

std::string CharsetConverter::ConvertMarking(std::string_view text, std::string_view mark) const {
    pair_->Reset();
    std::string out;
    const char* in = text.data();
    std::size_t inLeft = text.size();
    while (!pair_->Run(in, inLeft, out)) {
        out += mark;
        ++in;
        --inLeft;
        pair_->Reset();
    }
    return out;
}

}  // namespace lookout
