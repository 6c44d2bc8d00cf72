#include "monitor/Settings.h"

#include "platform/AtomicFile.h"
#include "platform/IntegerText.h"
#include "platform/StringList.h"

namespace lookout {

Settings ParseSettings(std::string_view fileBytes) {
    const StringList lines(fileBytes);
    Settings settings;
    settings.left = StrToInt(TrimRight(lines.At(0)));
    settings.top = StrToInt(TrimRight(lines.At(1)));
    settings.statusBaseUrl = lines.At(2);
    settings.mapBaseUrl = lines.At(3);
    settings.urlSuffix = lines.At(4);
    return settings;
}

std::string RewritePosition(std::string_view fileBytes, std::int32_t left, std::int32_t top) {
    StringList lines(fileBytes);
    lines.Put(0, std::to_string(left));
    lines.Put(1, std::to_string(top));
    return lines.Text();
}

Settings LoadSettings(const std::string& path) { return ParseSettings(ReadWholeFile(path)); }

void SavePosition(const std::string& path, std::int32_t left, std::int32_t top) {
    RewriteFile(path, RewritePosition(ReadWholeFile(path), left, top));
}

}  // namespace lookout
