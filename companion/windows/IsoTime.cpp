#include "companion/IsoTime.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace lookout {

std::string IsoLocalTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_s(&local, &seconds);
    char time[32];
    const std::size_t length = std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%S", &local);
    // The C library's %z is the zone's name here: the offset is the local
    // time read as UTC, less the moment itself.
    const long offset = static_cast<long>(_mkgmtime(&local) - seconds) / 60;
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02ld:%02ld", offset < 0 ? '-' : '+', std::labs(offset) / 60,
                  std::labs(offset) % 60);
    return std::string(time, length) + zone;
}

}  // namespace lookout
