#pragma once
// A span of time as people read it: "45 s", "12 min", "1 h 12 min", "3 d 4 h".
#include <chrono>
#include <string>

namespace lookout {

// The two largest units that are not zero, each rounded down; "0 s" for none.
std::string DurationText(std::chrono::seconds span);

}  // namespace lookout
