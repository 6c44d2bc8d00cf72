#pragma once
// The one-shot table: one row per server in slot order, columns aligned for a
// terminal, UTF-8.
#include <string>

#include "companion/ServerState.h"

namespace lookout {

// Key, state word, count label 1, count label 2, party and guild words ("-"
// for servers without indicators), the first line of the address hint ("-"
// without one).
std::string FormatTable(const Servers& servers);

// Columns a UTF-8 text takes in a terminal: East Asian wide characters two.
std::size_t TerminalWidth(std::string_view utf8);

}  // namespace lookout
