#include "companion/Durations.h"

#include "platform/Exception.h"

namespace lookout {

using std::chrono::milliseconds;

std::string DurationText(milliseconds duration) {
    const std::int64_t seconds = (duration.count() + 500) / 1000;
    const auto text = [](std::int64_t n, const char* unit) { return std::to_string(n) + " " + unit; };
    if (seconds < 60) return text(seconds, "s");
    const std::int64_t minutes = seconds / 60;
    if (minutes < 60) return text(minutes, "min");
    const std::int64_t hours = minutes / 60;
    if (hours < 24) return text(hours, "h") + (minutes % 60 ? " " + text(minutes % 60, "min") : "");
    return text(hours / 24, "d") + (hours % 24 ? " " + text(hours % 24, "h") : "");
}

milliseconds ParseDuration(const std::string& text) {
    const std::string wrong = "a period is a whole number and m, h or d (30m, 24h, 7d), not '" + text + "'";
    if (text.size() < 2 || text.size() > 7) throw Exception(wrong);
    std::int64_t count = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') throw Exception(wrong);
        count = count * 10 + (text[i] - '0');
    }
    if (count < 1) throw Exception(wrong);
    switch (text.back()) {
        case 'm': return std::chrono::minutes(count);
        case 'h': return std::chrono::hours(count);
        case 'd': return std::chrono::days(count);
    }
    throw Exception(wrong);
}

}  // namespace lookout
