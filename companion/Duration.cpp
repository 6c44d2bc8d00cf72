#include "companion/Duration.h"

namespace lookout {

std::string DurationText(std::chrono::seconds span) {
    constexpr struct {
        std::int64_t seconds;
        const char* name;
    } kUnits[] = {{86400, "d"}, {3600, "h"}, {60, "min"}, {1, "s"}};
    std::int64_t left = std::max<std::int64_t>(span.count(), 0);
    std::string text;
    int shown = 0;
    for (const auto& unit : kUnits) {
        const std::int64_t count = left / unit.seconds;
        left %= unit.seconds;
        // The second unit is the one right after the first, or nothing.
        if (shown == 1 && count == 0) break;
        if (count == 0 && shown == 0) continue;
        text += (text.empty() ? "" : " ") + std::to_string(count) + " " + unit.name;
        if (++shown == 2) break;
    }
    return text.empty() ? "0 s" : text;
}

}  // namespace lookout
