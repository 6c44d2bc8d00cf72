#pragma once
// The service's pages as bytes, built from the world at one time step.
// Lines end in CR LF.
#include <cstdint>
#include <string>

#include "demo/DemoWorld.h"

namespace lookout::demo {

// The refresh interval in seconds: "10\r\n".
std::string LoadTimePage(int intervalSeconds);

// One line a server: "LoginServer,Good,1234,5000,17".
std::string StatusPage(const World& world);

// One line a game server: "GameServer01,<parties>,<party word>,<guilds>,<guild word>,<users>".
std::string PartyPage(const World& world);

// EUC-JP. A heading line, then one line a server:
// "<key> <address> <port> <kind> <maps, with &nbsp; and <br>></p>".
// The addresses are documentation addresses (192.0.2.x), shown only as text.
std::string AddressPage(std::uint64_t seed);

// The service's web page, opened by the monitor's Site button: HTML, ASCII,
// what the service is and each server's state at this step.
std::string SitePage(const World& world);

}  // namespace lookout::demo
