#pragma once
// The display boundary: internal Shift-JIS text becomes the UTF-8 the toolkit
// draws. Bytes that are not valid CP932 show as U+FFFD instead of vanishing.
#include <string>
#include <string_view>

namespace lookout {

std::string SjisToUtf8(std::string_view sjis);

}  // namespace lookout
