#pragma once
// Shift-JIS (CP932) text to EUC-JP, for the one page that is served in EUC-JP.
#include <string>
#include <string_view>

namespace lookout::demo {

// Raises Exception when the text holds a character EUC-JP lacks; the page
// texts are chosen so that it never does.
std::string Cp932ToEucJp(std::string_view sjis);

}  // namespace lookout::demo
