#pragma once
// The 26 servers the service reports on, named as its pages name them, in the
// order the monitor's slots list them.
#include <array>
#include <cstddef>
#include <string_view>

namespace lookout::demo {

inline constexpr std::array<std::string_view, 26> kServerKeys = {
    "LoginServer",    "CharSelect",     "PatchServerH",   "PatchServerFV1", "PatchServerFV2",
    "PatchServerFV3", "PatchServerFV4", "PatchServerFV5", "PatchServerFV6", "PatchServerFV7",
    "PatchServerFV8", "GameServer01",   "GameServer02",   "GameServer03",   "GameServer04",
    "GameServer05",   "GameServer06",   "GameServer07",   "GameServer08",   "GameServer09",
    "GameServer10",   "GameServer11",   "GameServer12",   "GameServer13",   "GameServer14",
    "GameServer15",
};

inline constexpr std::size_t kServerCount = kServerKeys.size();
inline constexpr std::size_t kFirstGameServer = 11;

constexpr bool IsGameServer(std::size_t index) { return index >= kFirstGameServer; }
constexpr bool IsPatchServer(std::size_t index) { return index >= 2 && index < kFirstGameServer; }

}  // namespace lookout::demo
