#include "companion/IsoTime.h"

#include <ctime>

namespace lookout {

std::string IsoLocalTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char time[32], offset[16];
    const std::size_t length = std::strftime(time, sizeof time, "%Y-%m-%dT%H:%M:%S", &local);
    std::strftime(offset, sizeof offset, "%z", &local);
    const std::string zone = offset;  // +0900, written +09:00
    return std::string(time, length) + zone.substr(0, 3) + ":" + zone.substr(3);
}

}  // namespace lookout
