#pragma once
// Lengths of time as lookout-status reads and writes them.
#include <chrono>
#include <string>

namespace lookout {

// "45 s", "12 min", "1 h 12 min", "3 d 4 h".
std::string DurationText(std::chrono::milliseconds duration);

// "30m", "24h", "7d": a whole number from 1 of minutes, hours or days.
// Raises Exception naming the text otherwise.
std::chrono::milliseconds ParseDuration(const std::string& text);

}  // namespace lookout
