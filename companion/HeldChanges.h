#pragma once
// The changes a watch reports: a word's change once the new word has held for
// a number of refreshes in a row (1: at once), and with a server's return to
// Good, how long it was Down or Dead, when the watch saw that begin.
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "companion/Changes.h"

namespace lookout {

class HeldChanges {
public:
    using Time = std::chrono::system_clock::time_point;

    explicit HeldChanges(int alertAfter) : alertAfter_(alertAfter) {}

    // The first refresh's servers, which the first changes are from.
    void Start(const Servers& servers) { reported_ = servers; }
    // After each refresh that read the status page, at `now`: the changes
    // that have now held long enough, in ChangesBetween's order.
    std::vector<Change> After(const Servers& servers, Time now);

private:
    struct Streak {
        std::optional<std::string> word;
        int held = 0;  // refreshes in a row with this word; 0: no streak
        Time since;    // the first of them
    };
    void Adopt(Change& change, const Servers& servers, const Streak& streak);

    const int alertAfter_;
    Servers reported_;
    std::array<std::array<Streak, 3>, kSlotCount> streaks_{};  // by slot and WordKind
    std::array<std::optional<Time>, kSlotCount> goneSince_{};  // when a server was first seen Down or Dead
};

}  // namespace lookout
