#include "platform/HttpRequest.h"

#include <charconv>

#include "platform/Socket.h"

namespace lookout {

namespace {

// The byte of the two hex digits at `at`, or nullopt.
std::optional<char> EscapedByte(std::string_view text, std::size_t at) {
    if (at + 2 > text.size()) return std::nullopt;
    unsigned value = 0;
    const char* end = text.data() + at + 2;
    const auto [stop, error] = std::from_chars(text.data() + at, end, value, 16);
    if (error != std::errc() || stop != end) return std::nullopt;
    return static_cast<char>(value);
}

// A malformed escape is kept as it stands.
std::string PercentDecode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::optional<char> escaped = c == '%' ? EscapedByte(text, i + 1) : std::nullopt;
        if (c == '+') {
            out += ' ';
        } else if (escaped) {
            out += *escaped;
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

bool ReceiveHead(SocketHandle fd, std::string& head) {
    char buffer[4096];
    while (head.size() <= kMaxRequestHead) {
        const auto n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n == 0) return false;
        if (n < 0) {
            const int error = LastSocketError();
            if (error == kInterrupted) continue;
            return error == kWouldBlock;
        }
        head.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool DiscardReceived(SocketHandle fd) {
    char buffer[4096];
    for (int reads = 0; reads < 16; ++reads) {
        const auto n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) continue;
        const int error = n < 0 ? LastSocketError() : 0;
        if (n < 0 && error == kInterrupted) continue;
        return n < 0 && error == kWouldBlock;
    }
    return true;
}

std::optional<std::size_t> FindHeadEnd(std::string_view data) {
    for (std::size_t lf = data.find('\n'); lf != std::string_view::npos; lf = data.find('\n', lf + 1)) {
        const std::size_t next = lf + 1;
        if (next < data.size() && data[next] == '\n') return next + 1;
        if (next + 1 < data.size() && data[next] == '\r' && data[next + 1] == '\n') return next + 2;
    }
    return std::nullopt;
}

std::optional<Request> ParseRequestLine(std::string_view head) {
    const std::size_t eol = head.find_first_of("\r\n");
    const std::string_view line = head.substr(0, eol);
    const std::size_t sp1 = line.find(' ');
    if (sp1 == std::string_view::npos || sp1 == 0) return std::nullopt;
    const std::size_t sp2 = line.find(' ', sp1 + 1);
    if (sp2 == std::string_view::npos || line.find(' ', sp2 + 1) != std::string_view::npos) return std::nullopt;
    if (!line.substr(sp2 + 1).starts_with("HTTP/1.")) return std::nullopt;

    std::string_view target = line.substr(sp1 + 1, sp2 - sp1 - 1);
    if (target.starts_with("http://")) {
        const std::size_t slash = target.find('/', 7);
        target = slash == std::string_view::npos ? std::string_view("/") : target.substr(slash);
    }
    if (!target.starts_with('/')) return std::nullopt;

    Request request;
    request.method = line.substr(0, sp1);
    const std::size_t question = target.find('?');
    request.path = target.substr(0, question);
    if (question != std::string_view::npos) request.query = target.substr(question + 1);
    return request;
}

std::map<std::string, std::string> ParseQuery(std::string_view query) {
    std::map<std::string, std::string> params;
    while (!query.empty()) {
        const std::size_t amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        const std::size_t eq = pair.find('=');
        if (!pair.empty())
            params[PercentDecode(pair.substr(0, eq))] =
                eq == std::string_view::npos ? std::string() : PercentDecode(pair.substr(eq + 1));
        if (amp == std::string_view::npos) break;
        query.remove_prefix(amp + 1);
    }
    return params;
}

}  // namespace lookout
