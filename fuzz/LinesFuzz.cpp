// Line splitting: the lines never hold a line break or NUL, and writing them
// back and splitting again gives the same lines.
#include <cstdlib>
#include <string_view>

#include "platform/StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const lookout::StringList list(text);
    for (const std::string& line : list.Lines())
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
    if (lookout::StringList(list.Text()).Lines() != list.Lines()) std::abort();
    return 0;
}
