// Integer reading: never crashes, and what it accepts prints back to a text
// that reads as the same value.
#include <cstdlib>
#include <string>

#include "platform/IntegerText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = 0;
    if (!lookout::TryStrToInt(lookout::TrimRight(text), value)) return 0;
    std::int32_t again = 0;
    if (!lookout::TryStrToInt(std::to_string(value), again) || again != value) std::abort();
    return 0;
}
