#pragma once
// Local time in ISO 8601 with the offset from UTC: 2026-12-08T10:00:00+09:00.
#include <chrono>
#include <string>

namespace lookout {

std::string IsoLocalTime(std::chrono::system_clock::time_point when);

}  // namespace lookout
