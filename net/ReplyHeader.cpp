#include "net/ReplyHeader.h"

#include "net/UrlSplit.h"
#include "platform/IntegerText.h"

namespace lookout {

namespace {

std::string_view FirstField(std::string_view text, std::size_t from) {
    const std::size_t end = text.find(' ', from);
    return text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
}

bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

}  // namespace

std::int16_t StatusCodeOf(std::string_view statusLine) {
    const std::size_t space = statusLine.find(' ');
    if (space == std::string_view::npos) return 0;
    std::int32_t code = 0;
    if (!TryStrToInt(FirstField(statusLine, space + 1), code)) return 0;
    return static_cast<std::int16_t>(code);
}

std::optional<std::string> LocationOf(std::string_view line) {
    if (!EqualsUpper(FirstField(line, 0), "LOCATION:")) return std::nullopt;
    std::string_view value = line.size() > 10 ? line.substr(10) : std::string_view{};
    if (value.ends_with('\n')) value.remove_suffix(1);
    if (value.ends_with('\r')) value.remove_suffix(1);
    return std::string(value.substr(0, kMaxUrlPart));
}

std::optional<std::size_t> ContentLengthOf(std::string_view header) {
    constexpr std::string_view kName = "CONTENT-LENGTH:";
    std::optional<std::size_t> length;
    int lines = 0;
    for (std::size_t at = header.find('\n'); at != std::string_view::npos && at + 1 < header.size();
         at = header.find('\n', at + 1)) {
        std::string_view line = header.substr(at + 1, header.find('\n', at + 1) - at - 1);
        if (line.size() < kName.size() || !EqualsUpper(line.substr(0, kName.size()), kName)) continue;
        ++lines;
        line.remove_prefix(kName.size());
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!line.empty() && blank(line.front())) line.remove_prefix(1);
        while (!line.empty() && blank(line.back())) line.remove_suffix(1);
        std::size_t value = 0;
        bool digits = !line.empty() && line.size() <= 15;
        for (const char c : line) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + static_cast<std::size_t>(c - '0');
        }
        length = digits ? std::optional(value) : std::nullopt;
    }
    return lines == 1 ? length : std::nullopt;
}

bool IsHeaderEnd(std::string_view line) { return line == "\n" || line == "\r\n"; }

}  // namespace lookout
