#pragma once
// How the HTTP client takes a URL apart: plain text cuts, no escaping, no
// user information, query or fragment handling.
#include <string>
#include <string_view>

namespace lookout {

struct UrlTarget {
    std::string Host;
    int Port = 0;
    std::string Path;
    bool Tls = false;  // the scheme is https
};

// previousHost/previousPort/previousTls are the client's before the request;
// a URL without a host keeps the previous host, and a scheme always sets the
// port (gopher 70, ftp 21, https 443, anything else 80) unless the host part
// names one, and whether TLS is spoken (https only); a URL without a scheme
// keeps the previous choice. Raises Exception "Empty URL", or EConvertError
// when the port text is not an integer; nothing is returned then, so the
// caller's values stay.
UrlTarget SplitUrl(std::string_view url, std::string_view previousHost, int previousPort, bool previousTls = false);

// The longest path and Location value the client keeps.
inline constexpr std::size_t kMaxUrlPart = 256;

}  // namespace lookout
