#include "demo/DemoRandom.h"

#include <cmath>

namespace lookout::demo {

namespace {

// The splitmix64 finaliser: every input bit reaches every output bit.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The walk repeats after this many steps (about 11 hours at 10 s a step);
// its ends meet, so the repetition shows no jump.
constexpr unsigned kDepth = 12;
constexpr std::uint64_t kPeriod = std::uint64_t{1} << kDepth;
// 1/sqrt(2), as M_SQRT1_2 spells it where the C library has it.
constexpr double kSqrtHalf = 0.70710678118654752440;

}  // namespace

std::uint64_t Hash(std::uint64_t seed, std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    return Mix(Mix(Mix(Mix(seed) ^ a) ^ b) ^ c);
}

double Unit(std::uint64_t hash) { return static_cast<double>(hash >> 11) * 0x1.0p-53; }

double WalkAt(std::uint64_t seed, std::uint64_t stream, std::uint64_t step) {
    // Midpoint displacement over one period: the value at a node's midpoint is
    // the mean of its ends plus noise that shrinks by 1/sqrt(2) a level, the
    // scaling of a Brownian path. Each midpoint belongs to exactly one node,
    // so it names its own noise.
    const std::uint64_t t = step % kPeriod;
    std::uint64_t lo = 0, hi = kPeriod;
    double vlo = 0.0, vhi = 0.0, scale = 0.6;
    while (t != lo) {
        const std::uint64_t mid = lo + (hi - lo) / 2;
        const double vmid = (vlo + vhi) / 2 + (2 * Unit(Hash(seed, stream, mid, 1)) - 1) * scale;
        scale *= kSqrtHalf;
        if (t < mid) {
            hi = mid;
            vhi = vmid;
        } else {
            lo = mid;
            vlo = vmid;
        }
    }
    // Start somewhere of the stream's own and fold the path into [0, 1] by
    // reflection, which keeps neighbouring steps close at the edges too.
    const double x = std::fabs(Unit(Hash(seed, stream, 0, 2)) + vlo);
    const double folded = std::fmod(x, 2.0);
    return folded > 1.0 ? 2.0 - folded : folded;
}

}  // namespace lookout::demo
