#pragma once
// What the watch reports between two refreshes: a server's state word, party
// word or guild word changing. Counts alone are no change.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "companion/ServerState.h"

namespace lookout {

enum class WordKind { State, Party, Guild };

struct Change {
    std::size_t slot;
    WordKind kind;
    std::optional<std::string> was;  // Shift-JIS; nullopt: no line on the page
    std::optional<std::string> now;
    // A state's return to Good: how long the server was Down or Dead, when
    // the watch saw that begin.
    std::optional<std::chrono::milliseconds> gone = std::nullopt;
};

// In slot order, each slot's state before its party and guild.
std::vector<Change> ChangesBetween(const Servers& before, const Servers& after);

// One line (UTF-8, no line end): "GameServer03 state Down -> Good (12/300 5)",
// "GameServer03 party good -> dead".
std::string ChangeLine(const Change& change, const Servers& after);

}  // namespace lookout
