#pragma once
// A 24-bit colour: what the status panel shows and the pictures are drawn in.
#include <cstdint>

namespace lookout {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace lookout
