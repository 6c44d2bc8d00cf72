#pragma once
// The Japanese words of the address page, as Shift-JIS text.
#include <cstddef>
#include <string>

namespace lookout::demo {

std::string AddressPageHeading();
// What a non-game server is for: login, character select, patch.
std::string LoginRole();
std::string CharSelectRole();
std::string PatchRole();
// The label before a game server's map list.
std::string MapsLabel();

inline constexpr std::size_t kMapNameCount = 16;
std::string MapName(std::size_t index);  // index below kMapNameCount

}  // namespace lookout::demo
