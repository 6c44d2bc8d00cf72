#include "monitor/PageText.h"

namespace lookout {

const std::string* FindKeyLine(const std::vector<std::string>& lines, std::string_view key) {
    for (const std::string& line : lines)
        if (std::string_view(line).starts_with(key)) return &line;
    return nullptr;
}

std::string CutField(std::string& rest, char separator) {
    const std::size_t at = rest.find(separator);
    if (at == std::string::npos) return {};
    std::string field = rest.substr(0, at);
    rest.erase(0, at + 1);
    return field;
}

void SkipField(std::string& rest, char separator) {
    const std::size_t at = rest.find(separator);
    if (at != std::string::npos) rest.erase(0, at + 1);
}

std::string ReplaceText(std::string text, std::string_view pattern, std::string_view replacement) {
    // Rescanning from the start would make every replacement cost a pass over
    // the text; since the replacement cannot form a new occurrence, going on
    // after it gives the same text in one pass.
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(pattern, from)) != std::string::npos; from = at + pattern.size()) {
        out.append(text, from, at - from);
        out.append(replacement);
    }
    out.append(text, from);
    return out;
}

}  // namespace lookout
