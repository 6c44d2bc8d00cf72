#pragma once
// A server's state as the status page tells it: the one place its words are
// matched, so the window's colours and every report of lookout-status agree.
#include <optional>
#include <string>
#include <string_view>

namespace lookout {

enum class ServerStatus {
    Good,
    Closed,
    Dead,
    Down,
    Other,    // a word outside the four: the window keeps the colour it had
    Missing,  // the page has no line for the server
};

ServerStatus StatusOfWord(std::string_view sjisWord);

// One slot's line on the status page, as read.
struct StatusLine {
    ServerStatus status = ServerStatus::Missing;
    std::optional<std::string> word;  // the status word; nullopt: no line
    std::string users, capacity;      // the two count fields exactly as the page gave them
};

}  // namespace lookout
