#include "companion/Changes.h"

#include "platform/DisplayText.h"

namespace lookout {

namespace {

const std::optional<std::string>& Word(const ServerState& server, WordKind kind) {
    switch (kind) {
        case WordKind::Party: return server.party;
        case WordKind::Guild: return server.guild;
        case WordKind::State: break;
    }
    return server.state;
}

const char* Name(WordKind kind) {
    switch (kind) {
        case WordKind::Party: return "party";
        case WordKind::Guild: return "guild";
        case WordKind::State: break;
    }
    return "state";
}

}  // namespace

std::vector<Change> ChangesBetween(const Servers& before, const Servers& after) {
    std::vector<Change> changes;
    for (std::size_t slot = 0; slot < after.size(); ++slot) {
        for (const WordKind kind : {WordKind::State, WordKind::Party, WordKind::Guild}) {
            const auto& was = Word(before[slot], kind);
            const auto& now = Word(after[slot], kind);
            if (was != now) changes.push_back({slot, kind, was, now});
        }
    }
    return changes;
}

std::string ChangeLine(const Change& change, const Servers& after) {
    const ServerState& server = after.at(change.slot);
    std::string line = std::string(server.key) + " " + Name(change.kind) + " " + ShownWord(change.was) + " -> " +
                       ShownWord(change.now);
    if (change.kind == WordKind::State)
        line += " (" + SjisToUtf8(server.count1) + " " + SjisToUtf8(server.count2) + ")";
    return line;
}

}  // namespace lookout
