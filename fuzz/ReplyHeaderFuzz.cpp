// The reply header reader over any line as the socket hands it out (up to and
// including its first LF): a Location value is at most 256 characters and
// never holds the line ending.
#include <cstdlib>
#include <string_view>

#include "net/ReplyHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    if (const auto lf = line.find('\n'); lf != std::string_view::npos) line = line.substr(0, lf + 1);
    (void)lookout::StatusCodeOf(line);
    (void)lookout::IsHeaderEnd(line);
    if (const auto location = lookout::LocationOf(line)) {
        if (location->size() > 256) std::abort();
        if (!location->empty() && location->back() == '\n') std::abort();
    }
    return 0;
}
