#pragma once
// SERVER.INI: five lines (left, top, status base URL, address page base URL,
// URL suffix); lines 6 onward are kept but not read.
#include <cstdint>
#include <string>
#include <string_view>

namespace lookout {

struct Settings {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::string statusBaseUrl;
    std::string mapBaseUrl;
    std::string urlSuffix;
};

// A leading UTF-8 byte-order mark is skipped when read and kept when written;
// a line 1 or 2 saved in UTF-8 is quoted in Shift-JIS by its error.
// Lines 1 and 2 are trimmed of trailing blanks and control characters and read
// as integers (EConvertError); a file of fewer than five lines raises the
// list-index error naming the first missing line.
Settings ParseSettings(std::string_view fileBytes);

// The file with lines 1 and 2 replaced by the decimal position, every line
// ended by CR LF; lines 3 onward come back byte for byte. Fewer than two lines
// raise the list-index error.
std::string RewritePosition(std::string_view fileBytes, std::int32_t left, std::int32_t top);

// Read (EFileError when it cannot be opened) and parse.
Settings LoadSettings(const std::string& path);
// Re-read, rewrite the position, and write the file back (RewriteFile).
void SavePosition(const std::string& path, std::int32_t left, std::int32_t top);

}  // namespace lookout
