// URL splitting: only its two documented errors escape, the path is never
// empty nor longer than the client keeps, and a host part never holds a "/".
#include <cstdlib>
#include <string_view>

#include "net/UrlSplit.h"
#include "platform/Exception.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view url(reinterpret_cast<const char*>(data), size);
    try {
        const lookout::UrlTarget target = lookout::SplitUrl(url, "previous.example", 8080);
        if (target.Path.empty() || target.Path.size() > lookout::kMaxUrlPart) std::abort();
        if (target.Host.find('/') != std::string::npos) std::abort();
    } catch (const lookout::Exception&) {
        if (!url.empty() && url.find(':') == std::string_view::npos) std::abort();
    }
    return 0;
}
