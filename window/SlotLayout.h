#pragma once
// Where the main window puts the status panel's widgets and the buttons
// beside them, and the names the widgets carry. The pages know the slots by
// their keys alone (monitor/SlotTable.h).
#include <array>
#include <string_view>

#include "monitor/SlotTable.h"

namespace lookout {

struct SlotPlace {
    std::string_view shortName;    // widget names: "S_" + shortName, "L_" + shortName + "1"/"2"
    std::string_view captionName;  // the caption label's own (numbered) name
    int left, top;                 // the box's top-left corner in the window
};

// In the order of kSlots. Row 1: login, character select and patch servers at
// x = 40 (n - 1); row 2: game server NN at x = 40 (NN - 1).
inline constexpr std::array<SlotPlace, kSlotCount> kSlotPlaces = {{
    {"Login", "Label1", 0, 0},
    {"Chr", "Label3", 40, 0},
    {"PatchH", "Label2", 80, 0},
    {"PatchFV1", "Label4", 120, 0},
    {"PatchFV2", "Label8", 160, 0},
    {"PatchFV3", "Label10", 200, 0},
    {"PatchFV4", "Label19", 240, 0},
    {"PatchFV5", "Label20", 280, 0},
    {"PatchFV6", "Label25", 320, 0},
    {"PatchFV7", "Label29", 360, 0},
    {"PatchFV8", "Label32", 400, 0},
    {"Game01", "Label5", 0, 32},
    {"Game02", "Label6", 40, 32},
    {"Game03", "Label9", 80, 32},
    {"Game04", "Label12", 120, 32},
    {"Game05", "Label7", 160, 32},
    {"Game06", "Label15", 200, 32},
    {"Game07", "Label18", 240, 32},
    {"Game08", "Label21", 280, 32},
    {"Game09", "Label24", 320, 32},
    {"Game10", "Label27", 360, 32},
    {"Game11", "Label11", 400, 32},
    {"Game12", "Label13", 440, 32},
    {"Game13", "Label14", 480, 32},
    {"Game14", "Label16", 520, 32},
    {"Game15", "Label17", 560, 32},
}};

// Geometry shared by every slot, relative to the box's corner.
inline constexpr int kBoxWidth = 41, kBoxHeight = 33;
inline constexpr int kLabelLeft = 3, kCaptionTop = 1, kCount1Top = 11, kCount2Top = 21, kLabelHeight = 11;
inline constexpr int kPartyLeft = 24, kGuildLeft = 32, kIndicatorTop = 11, kIndicatorSize = 9;

struct WidgetRect {
    int left, top, width, height;
};

inline constexpr WidgetRect kReloadRect{440, 0, 41, 17};
inline constexpr WidgetRect kJumpUrlRect{440, 17, 41, 16};
inline constexpr WidgetRect kAboutRect{562, 0, 39, 17};

}  // namespace lookout
