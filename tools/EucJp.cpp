#include "tools/EucJp.h"

#include <iconv.h>

#include <cerrno>

#include "platform/Exception.h"

namespace lookout::demo {

namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw Exception("iconv cannot convert CP932 to EUC-JP");
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::string Cp932ToEucJp(std::string_view sjis) {
    Iconv cd("EUC-JP", "CP932");
    std::string out;
    char* in = const_cast<char*>(sjis.data());
    std::size_t inLeft = sjis.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd.get(), &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
            throw Exception("text not convertible to EUC-JP at byte " + std::to_string(sjis.size() - inLeft));
    }
    return out;
}

}  // namespace lookout::demo
