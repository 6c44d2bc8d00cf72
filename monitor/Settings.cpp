#include "monitor/Settings.h"

#include "platform/AtomicFile.h"
#include "platform/CharsetConverter.h"
#include "platform/IntegerText.h"
#include "platform/StringList.h"

namespace lookout {

namespace {

// Some editors begin a UTF-8 file with its byte-order mark. It is no part of
// line 1, and the file keeps it: a file that looks right must start.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool SkipBom(std::string_view& fileBytes) {
    if (!fileBytes.starts_with(kUtf8Bom)) return false;
    fileBytes.remove_prefix(kUtf8Bom.size());
    return true;
}

// Line 1 or 2 as the error quotes it: a line that is not Shift-JIS but UTF-8,
// as an editor on Linux saves it, in Shift-JIS, so the box does not garble it.
// A line that reads as a number is ASCII, the same either way.
std::int32_t PositionOf(std::string_view line) {
    static const CharsetConverter fromSjis("UTF-8", "CP932"), toSjis("CP932", "UTF-8");
    const std::string text = TrimRight(line);
    if (fromSjis.TryConvert(text)) return StrToInt(text);
    return StrToInt(toSjis.TryConvert(text).value_or(text));
}

}  // namespace

Settings ParseSettings(std::string_view fileBytes) {
    SkipBom(fileBytes);
    const StringList lines(fileBytes);
    Settings settings;
    settings.left = PositionOf(lines.At(0));
    settings.top = PositionOf(lines.At(1));
    settings.statusBaseUrl = lines.At(2);
    settings.mapBaseUrl = lines.At(3);
    settings.urlSuffix = lines.At(4);
    return settings;
}

std::string RewritePosition(std::string_view fileBytes, std::int32_t left, std::int32_t top) {
    const bool bom = SkipBom(fileBytes);
    StringList lines(fileBytes);
    lines.Put(0, std::to_string(left));
    lines.Put(1, std::to_string(top));
    return (bom ? std::string(kUtf8Bom) : std::string()) + lines.Text();
}

Settings LoadSettings(const std::string& path) { return ParseSettings(ReadWholeFile(path)); }

void SavePosition(const std::string& path, std::int32_t left, std::int32_t top) {
    RewriteFile(path, RewritePosition(ReadWholeFile(path), left, top));
}

}  // namespace lookout
