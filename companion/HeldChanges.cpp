#include "companion/HeldChanges.h"

namespace lookout {

namespace {

bool Outage(ServerStatus status) { return status == ServerStatus::Down || status == ServerStatus::Dead; }

}  // namespace

std::vector<Change> HeldChanges::After(const Servers& servers, Time now) {
    std::array<std::array<bool, 3>, kSlotCount> changing{};
    std::vector<Change> held;
    for (Change& change : ChangesBetween(reported_, servers)) {
        const auto kind = static_cast<std::size_t>(change.kind);
        changing[change.slot][kind] = true;
        Streak& streak = streaks_[change.slot][kind];
        if (streak.held == 0 || streak.word != change.now) streak = {change.now, 0, now};
        if (++streak.held < alertAfter_) continue;
        Adopt(change, servers, streak);
        streak.held = 0;
        held.push_back(std::move(change));
    }
    // A word back to the one reported ends its streak.
    for (std::size_t slot = 0; slot < kSlotCount; ++slot)
        for (std::size_t kind = 0; kind < 3; ++kind)
            if (!changing[slot][kind]) streaks_[slot][kind].held = 0;
    return held;
}

void HeldChanges::Adopt(Change& change, const Servers& servers, const Streak& streak) {
    ServerState& reported = reported_[change.slot];
    const ServerState& server = servers[change.slot];
    switch (change.kind) {
        case WordKind::Party: reported.party = server.party; return;
        case WordKind::Guild: reported.guild = server.guild; return;
        case WordKind::State: break;
    }
    std::optional<Time>& goneSince = goneSince_[change.slot];
    // Gone from the first refresh that saw it Down or Dead (Closed between
    // keeps that start) to the first that saw it Good.
    if (server.status == ServerStatus::Good) {
        if (goneSince) change.gone = std::chrono::duration_cast<std::chrono::milliseconds>(streak.since - *goneSince);
        goneSince.reset();
    } else if (Outage(server.status) && !Outage(reported.status) && !goneSince) {
        goneSince = streak.since;
    }
    reported.state = server.state;
    reported.status = server.status;
}

}  // namespace lookout
