#include "companion/ServerState.h"

#include <charconv>

#include "platform/DisplayText.h"

namespace lookout {

std::string ShownWord(const std::optional<std::string>& sjisWord) {
    if (!sjisWord) return "missing";
    if (sjisWord->empty()) return "\"\"";
    return SjisToUtf8(*sjisWord);
}

std::optional<std::int64_t> IntegerField(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    // from_chars takes the minus but no plus, no space and no hex prefix.
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

Counts CountsOf(const ServerState& server) {
    return {IntegerField(server.users), IntegerField(server.capacity)};
}

}  // namespace lookout
