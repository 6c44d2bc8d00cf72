// SERVER.INI reading and rewriting: only the documented exceptions escape,
// and a rewrite keeps a leading byte-order mark and every line from the third
// on.
#include <cstdlib>
#include <string>
#include <string_view>

#include "monitor/Settings.h"
#include "platform/Exception.h"
#include "platform/StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    try {
        lookout::ParseSettings(file);
    } catch (const lookout::Exception&) {
    }
    try {
        const std::string rewritten = lookout::RewritePosition(file, -1, 2147483647);
        // A leading byte-order mark stays where it was, before line 1.
        const std::string_view bom = "\xEF\xBB\xBF";
        if (std::string_view(file).starts_with(bom) != std::string_view(rewritten).starts_with(bom)) std::abort();
        const auto unmarked = [&](std::string_view bytes) {
            return std::string(bytes.starts_with(bom) ? bytes.substr(bom.size()) : bytes);
        };
        const auto before = lookout::SplitLines(unmarked(file));
        const auto after = lookout::SplitLines(unmarked(rewritten));
        if (before.size() != after.size() || after[0] != "-1" || after[1] != "2147483647") std::abort();
        for (std::size_t i = 2; i < before.size(); ++i)
            if (before[i] != after[i]) std::abort();
    } catch (const lookout::EListError&) {
    }
    return 0;
}
