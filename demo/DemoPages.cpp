#include "demo/DemoPages.h"

#include "demo/AddressText.h"
#include "demo/DemoRandom.h"
#include "demo/EucJp.h"

namespace lookout::demo {

namespace {

const char* const kCrLf = "\r\n";

std::string Join(std::initializer_list<std::string> fields, char separator) {
    std::string line;
    for (const auto& field : fields) {
        if (!line.empty()) line += separator;
        line += field;
    }
    return line;
}

std::string Text(std::string_view view) { return std::string(view); }
std::string Text(int number) { return std::to_string(number); }

std::string TwoDigits(std::size_t n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Game servers list two or three maps; the last four bytes of every line are
// markup the reader drops.
std::string Description(std::uint64_t seed, std::size_t server) {
    std::string text;
    if (server == 0) {
        text = LoginRole();
    } else if (server == 1) {
        text = CharSelectRole();
    } else if (IsPatchServer(server)) {
        text = PatchRole() + "&nbsp;" + Text(kServerKeys[server].substr(11));
    } else {
        const std::uint64_t h = Hash(seed, 7, server);
        const std::size_t first = h % kMapNameCount;
        const std::size_t count = 2 + (h >> 8) % 2;
        text = MapsLabel() + "&nbsp;" + MapName(first);
        for (std::size_t k = 1; k < count; ++k) text += "<br>" + MapName(first + 5 * k);
    }
    return text + "</p>";
}

std::string Kind(std::size_t server) {
    if (server == 0) return "login";
    if (server == 1) return "char";
    if (IsPatchServer(server)) return "patch";
    return "map" + TwoDigits(server - kFirstGameServer + 1);
}

int PortOf(std::size_t server) {
    if (server == 0) return 6900;
    if (server == 1) return 6121;
    if (IsPatchServer(server)) return 80;
    return 5121 + static_cast<int>(server - kFirstGameServer);
}

}  // namespace

std::string LoadTimePage(int intervalSeconds) { return std::to_string(intervalSeconds) + kCrLf; }

std::string StatusPage(const World& world) {
    std::string page;
    for (const auto& s : world)
        page += Join({Text(s.key), Text(s.status), Text(s.users), Text(s.capacity), Text(s.queue)}, ',') + kCrLf;
    return page;
}

std::string PartyPage(const World& world) {
    std::string page;
    for (std::size_t i = kFirstGameServer; i < kServerCount; ++i) {
        const auto& s = world[i];
        page += Join({Text(s.key), Text(s.parties), Text(s.partyWord), Text(s.guilds), Text(s.guildWord),
                      Text(s.users)},
                     ',') +
                kCrLf;
    }
    return page;
}

std::string SitePage(const World& world) {
    std::string page =
        "<!DOCTYPE html>\r\n<html><head><title>Lookout demo status service</title></head><body>\r\n"
        "<h1>Lookout demo status service</h1>\r\n"
        "<p>A stand-in for the game's status service, on this machine. The monitor reads loadtime.txt, "
        "status.txt and party.txt under this page's path, and the server address page under /ipmap/.</p>\r\n"
        "<table border=\"1\"><tr><th>Server</th><th>State</th><th>Users</th><th>Party</th><th>Guild</th></tr>\r\n";
    for (const auto& s : world) {
        page += "<tr><td>" + Text(s.key) + "</td><td>" + Text(s.status) + "</td><td>" + Text(s.users) + "/" +
                Text(s.capacity) + "</td><td>" + Text(s.partyWord) + "</td><td>" + Text(s.guildWord) + "</td></tr>" +
                kCrLf;
    }
    return page + "</table></body></html>" + kCrLf;
}

std::string AddressPage(std::uint64_t seed) {
    std::string page = AddressPageHeading() + kCrLf;
    for (std::size_t i = 0; i < kServerCount; ++i) {
        const std::string address = "192.0.2." + std::to_string(10 + i);
        page += Join({Text(kServerKeys[i]), address, Text(PortOf(i)), Kind(i), Description(seed, i)}, ' ') +
                kCrLf;
    }
    return Cp932ToEucJp(page);
}

}  // namespace lookout::demo
