#pragma once
// The three page readers as pure functions: page bytes in, slot changes out.
// Each handles the slots in table order and searches every server's line from
// the first line again.
#include <string>
#include <string_view>

#include "monitor/StatusPanel.h"

namespace lookout {

// Status page: box colour and the two count labels of all 26 slots.
void ReadStatusPage(std::string_view body, StatusPanel& panel);

// Party page: the party and guild indicators of the 15 game slots.
void ReadPartyPage(std::string_view body, StatusPanel& panel);

// Address page, already converted to Shift-JIS: the box hints. The first line
// is never an entry; a text without any line raises the list-index error
// (index 0) before any hint changes.
void ReadAddressPage(std::string_view sjisText, StatusPanel& panel);

}  // namespace lookout
