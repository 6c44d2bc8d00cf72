#pragma once
// What remains of a test's time limit, in the milliseconds that poll and
// WaitForSingleObject take; 0 once it has passed.
#include <chrono>

namespace lookout::test {

inline int MsLeft(std::chrono::steady_clock::time_point end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace lookout::test
