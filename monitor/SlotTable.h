#pragma once
// The 26 monitored servers in the order every page reader handles them.
// Where the window draws them is the window's own (window/SlotLayout.h).
#include <array>
#include <cstddef>
#include <string_view>

namespace lookout {

struct SlotDef {
    std::string_view key;      // names the server in the service's pages
    std::string_view caption;  // fixed text drawn on the box
    bool game;                 // game servers carry party and guild indicators
};

inline constexpr std::size_t kSlotCount = 26;
inline constexpr std::size_t kFirstGameSlot = 11;

extern const std::array<SlotDef, kSlotCount> kSlots;

}  // namespace lookout
