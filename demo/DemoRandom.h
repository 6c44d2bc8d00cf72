#pragma once
// Seeded randomness without state: every value is a hash of the seed and its
// coordinates, so any page can be rebuilt for any time step.
#include <cstdint>

namespace lookout::demo {

std::uint64_t Hash(std::uint64_t seed, std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0);

// The hash mapped to [0, 1).
double Unit(std::uint64_t hash);

// A random walk through [0, 1] over time steps: neighbouring steps stay close,
// distant ones wander over the whole range. `stream` tells apart independent
// walks under one seed. Costs a dozen hashes whatever the step.
double WalkAt(std::uint64_t seed, std::uint64_t stream, std::uint64_t step);

}  // namespace lookout::demo
