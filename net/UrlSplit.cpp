#include "net/UrlSplit.h"

#include "platform/Exception.h"
#include "platform/IntegerText.h"

namespace lookout {

namespace {

// The n-th piece (from 1) between occurrences of c; empty pieces count.
std::string_view Field(std::string_view text, char c, int n) {
    std::size_t start = 0;
    for (int i = 1; i < n; ++i) {
        const std::size_t at = text.find(c, start);
        if (at == std::string_view::npos) return {};
        start = at + 1;
    }
    const std::size_t end = text.find(c, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view PathOf(std::string_view url) {
    std::size_t at = std::string_view::npos;
    if (url.find("//") != std::string_view::npos) {
        at = url.find('/');
        for (int i = 1; i < 3 && at != std::string_view::npos; ++i) at = url.find('/', at + 1);
    } else {
        at = url.find('/');
    }
    if (at == std::string_view::npos) return {};
    return url.substr(at, kMaxUrlPart);
}

std::string_view HostPartOf(std::string_view url) {
    if (url.find("//") != std::string_view::npos) return Field(url, '/', 3);
    if (url.starts_with('/')) return {};
    return Field(url, '/', 1);
}

}  // namespace

UrlTarget SplitUrl(std::string_view url, std::string_view previousHost, int previousPort, bool previousTls) {
    if (url.empty()) throw Exception("Empty URL");
    UrlTarget target{std::string(previousHost), previousPort == 0 ? 80 : previousPort, std::string(PathOf(url)),
                     previousTls};

    if (url.find(':') != std::string_view::npos) {
        const std::string scheme = AsciiLower(Field(url, ':', 1));
        target.Tls = scheme == "https";
        target.Port = scheme == "gopher" ? 70 : scheme == "ftp" ? 21 : target.Tls ? 443 : 80;
    }
    std::string_view hostPart = HostPartOf(url);
    const std::size_t colon = hostPart.find(':');
    if (colon != std::string_view::npos) {
        target.Port = StrToInt(Field(hostPart, ':', 2));
        hostPart = hostPart.substr(0, colon);
    }
    if (!hostPart.empty()) target.Host = std::string(hostPart);
    if (target.Path.empty()) target.Path.push_back('/');
    return target;
}

}  // namespace lookout
