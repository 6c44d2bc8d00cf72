#pragma once
// The table: a header row, then one row per server in slot order, columns
// aligned for a terminal, UTF-8.
#include <string>

#include "companion/ServerState.h"

namespace lookout {

// SERVER, STATE, COUNTS, REST, PARTY, GUILD, ADDRESS: key, state word, count
// label 1, count label 2, party and guild words ("-" for servers without
// indicators, and for all when the party page was not read), the first line of
// the address hint ("-" without one). With colour, the state words Good, Down,
// Dead and Closed take green, red, yellow and blue.
std::string FormatTable(const Servers& servers, bool partyRead = true, bool colour = false);

// Columns a UTF-8 text takes in a terminal: East Asian wide characters two.
std::size_t TerminalWidth(std::string_view utf8);

}  // namespace lookout
