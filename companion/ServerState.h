#pragma once
// One server as the companion reports it after a refresh: what the readers
// found for it, in Shift-JIS as the pages give it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/ServerStatus.h"
#include "monitor/SlotTable.h"
#include "platform/Rgb.h"

namespace lookout {

struct ServerState {
    std::string_view key;
    std::optional<std::string> state;  // the status word; nullopt: the page has no line for the server
    ServerStatus status = ServerStatus::Missing;
    std::string users, capacity;       // the two count fields as the page gave them
    std::string count1 = "0/0";        // count label 1 as the window shows it
    std::string count2 = "0";
    // Painted by the last status read; nullopt: the window keeps its old colour.
    std::optional<Rgb> colour;
    // Game servers with a line on the party page only.
    std::optional<std::string> party;
    std::optional<std::string> guild;
    std::optional<std::string> hint;  // the whole tool-tip text
};

using Servers = std::array<ServerState, kSlotCount>;

// A word for a terminal, in UTF-8: "missing" for no line, "" quoted when empty.
std::string ShownWord(const std::optional<std::string>& sjisWord);

// A field that is a whole decimal number (an optional minus, digits, nothing
// else) that fits in 64 bits, as metrics and performance data take it.
std::optional<std::int64_t> IntegerField(std::string_view text);

struct Counts {
    std::optional<std::int64_t> population, capacity;  // each when it is an integer
};
// The status line's two count fields, each when it is an integer.
Counts CountsOf(const ServerState& server);

}  // namespace lookout
