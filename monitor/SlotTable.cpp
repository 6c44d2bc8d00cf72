#include "monitor/SlotTable.h"

namespace lookout {

// Row 1: login, character select and patch servers at x = 40 (n - 1).
// Row 2: game server NN at x = 40 (NN - 1).
const std::array<SlotDef, kSlotCount> kSlots = {{
    {"LoginServer", "Login", "Login", "Label1", 0, 0, false},
    {"CharSelect", "Chr", "Chr", "Label3", 40, 0, false},
    {"PatchServerH", "PatchH", "PatH", "Label2", 80, 0, false},
    {"PatchServerFV1", "PatchFV1", "PatFV1", "Label4", 120, 0, false},
    {"PatchServerFV2", "PatchFV2", "PatFV2", "Label8", 160, 0, false},
    {"PatchServerFV3", "PatchFV3", "PatFV3", "Label10", 200, 0, false},
    {"PatchServerFV4", "PatchFV4", "PatFV4", "Label19", 240, 0, false},
    {"PatchServerFV5", "PatchFV5", "PatFV5", "Label20", 280, 0, false},
    {"PatchServerFV6", "PatchFV6", "PatFV6", "Label25", 320, 0, false},
    {"PatchServerFV7", "PatchFV7", "PatFV7", "Label29", 360, 0, false},
    {"PatchServerFV8", "PatchFV8", "PatFV8", "Label32", 400, 0, false},
    {"GameServer01", "Game01", "Game01", "Label5", 0, 32, true},
    {"GameServer02", "Game02", "Game02", "Label6", 40, 32, true},
    {"GameServer03", "Game03", "Game03", "Label9", 80, 32, true},
    {"GameServer04", "Game04", "Game04", "Label12", 120, 32, true},
    {"GameServer05", "Game05", "Game05", "Label7", 160, 32, true},
    {"GameServer06", "Game06", "Game06", "Label15", 200, 32, true},
    {"GameServer07", "Game07", "Game07", "Label18", 240, 32, true},
    {"GameServer08", "Game08", "Game08", "Label21", 280, 32, true},
    {"GameServer09", "Game09", "Game09", "Label24", 320, 32, true},
    {"GameServer10", "Game10", "Game10", "Label27", 360, 32, true},
    {"GameServer11", "Game11", "Game11", "Label11", 400, 32, true},
    {"GameServer12", "Game12", "Game12", "Label13", 440, 32, true},
    {"GameServer13", "Game13", "Game13", "Label14", 480, 32, true},
    {"GameServer14", "Game14", "Game14", "Label16", 520, 32, true},
    {"GameServer15", "Game15", "Game15", "Label17", 560, 32, true},
}};

}  // namespace lookout
