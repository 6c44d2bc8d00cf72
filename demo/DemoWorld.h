#pragma once
// The imagined game world behind the pages: what each server is doing at one
// time step. The same seed and step always give the same world.
#include <array>
#include <cstdint>
#include <string_view>

#include "demo/DemoServers.h"

namespace lookout::demo {

struct ServerSnapshot {
    std::string_view key;
    std::string_view status;  // "Good", "Closed", "Dead" or "Down"
    int users = 0;
    int capacity = 0;
    int queue = 0;  // players waiting to get in
    // Game servers only: the party and guild services.
    std::string_view partyWord;  // "good", "slow" or "dead"
    std::string_view guildWord;
    int parties = 0;
    int guilds = 0;
};

using World = std::array<ServerSnapshot, kServerCount>;

World Simulate(std::uint64_t seed, std::uint64_t step);

}  // namespace lookout::demo
