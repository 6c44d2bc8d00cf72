#pragma once
// The 26 monitored servers in the order every page reader handles them.
#include <array>
#include <cstddef>
#include <string_view>

namespace lookout {

struct SlotDef {
    std::string_view key;          // names the server in the service's pages
    std::string_view shortName;    // widget names: "S_" + shortName, "L_" + shortName + "1"/"2"
    std::string_view caption;      // fixed text drawn on the box
    std::string_view captionName;  // the caption label's own (numbered) name
    int left, top;                 // the box's top-left corner in the window
    bool game;                     // game servers carry party and guild indicators
};

inline constexpr std::size_t kSlotCount = 26;
inline constexpr std::size_t kFirstGameSlot = 11;

extern const std::array<SlotDef, kSlotCount> kSlots;

// Geometry shared by every slot, relative to the box's corner.
inline constexpr int kBoxWidth = 41, kBoxHeight = 33;
inline constexpr int kLabelLeft = 3, kCaptionTop = 1, kCount1Top = 11, kCount2Top = 21, kLabelHeight = 11;
inline constexpr int kPartyLeft = 24, kGuildLeft = 32, kIndicatorTop = 11, kIndicatorSize = 9;

}  // namespace lookout
