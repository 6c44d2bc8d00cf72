#include "monitor/SlotTable.h"

namespace lookout {

const std::array<SlotDef, kSlotCount> kSlots = {{
    {"LoginServer", "Login", false},
    {"CharSelect", "Chr", false},
    {"PatchServerH", "PatH", false},
    {"PatchServerFV1", "PatFV1", false},
    {"PatchServerFV2", "PatFV2", false},
    {"PatchServerFV3", "PatFV3", false},
    {"PatchServerFV4", "PatFV4", false},
    {"PatchServerFV5", "PatFV5", false},
    {"PatchServerFV6", "PatFV6", false},
    {"PatchServerFV7", "PatFV7", false},
    {"PatchServerFV8", "PatFV8", false},
    {"GameServer01", "Game01", true},
    {"GameServer02", "Game02", true},
    {"GameServer03", "Game03", true},
    {"GameServer04", "Game04", true},
    {"GameServer05", "Game05", true},
    {"GameServer06", "Game06", true},
    {"GameServer07", "Game07", true},
    {"GameServer08", "Game08", true},
    {"GameServer09", "Game09", true},
    {"GameServer10", "Game10", true},
    {"GameServer11", "Game11", true},
    {"GameServer12", "Game12", true},
    {"GameServer13", "Game13", true},
    {"GameServer14", "Game14", true},
    {"GameServer15", "Game15", true},
}};

}  // namespace lookout
