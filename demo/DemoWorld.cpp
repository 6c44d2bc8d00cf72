#include "demo/DemoWorld.h"

#include "demo/DemoRandom.h"

namespace lookout::demo {

namespace {

// A state lasts this many steps before it may change, so an outage is seen
// over several refreshes rather than flickering.
constexpr std::uint64_t kEpisode = 6;

// Salts that keep the hashes of different properties apart.
enum Salt : std::uint64_t { kStatus = 1, kCapacity, kQueue, kParty, kGuild, kUsers = 100 };

std::string_view StatusAt(std::uint64_t seed, std::size_t server, std::uint64_t step) {
    const double u = Unit(Hash(seed, kStatus, server, step / kEpisode));
    if (u < 0.90) return "Good";
    if (u < 0.94) return "Closed";
    if (u < 0.97) return "Dead";
    return "Down";
}

std::string_view ServiceWordAt(std::uint64_t seed, Salt salt, std::size_t server, std::uint64_t step) {
    const double u = Unit(Hash(seed, salt, server, step / kEpisode));
    if (u < 0.85) return "good";
    if (u < 0.95) return "slow";
    return "dead";
}

int CapacityOf(std::uint64_t seed, std::size_t server) {
    if (!IsGameServer(server)) return 5000;
    // 2000 to 6000 in steps of 500: fixed for a server under one seed.
    return 2000 + 500 * static_cast<int>(Hash(seed, kCapacity, server) % 9);
}

}  // namespace

World Simulate(std::uint64_t seed, std::uint64_t step) {
    World world;
    for (std::size_t i = 0; i < kServerCount; ++i) {
        ServerSnapshot& s = world[i];
        s.key = kServerKeys[i];
        s.status = StatusAt(seed, i, step);
        s.capacity = CapacityOf(seed, i);
        const bool up = s.status == "Good" || s.status == "Dead";  // a dead server still holds its players
        s.users = up ? static_cast<int>(WalkAt(seed, kUsers + i, step) * s.capacity) : 0;
        if (s.status == "Good" && s.users > s.capacity * 9 / 10)
            s.queue = static_cast<int>(Hash(seed, kQueue, i, step) % 50);
        if (!IsGameServer(i)) continue;
        const bool reachable = s.status == "Good" || s.status == "Closed";
        s.partyWord = reachable ? ServiceWordAt(seed, kParty, i, step) : "dead";
        s.guildWord = reachable ? ServiceWordAt(seed, kGuild, i, step) : "dead";
        s.parties = s.users / 5;
        s.guilds = s.users / 40;
    }
    return world;
}

}  // namespace lookout::demo
