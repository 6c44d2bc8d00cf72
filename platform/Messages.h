#pragma once
// The program's Japanese texts (Shift-JIS) that users meet as errors and
// messages, shared by every part that raises or shows them, and their English
// glosses for standard error.
#include <exception>
#include <string>
#include <string_view>

namespace lookout::messages {

// The framework's error texts.
std::string FileCannotOpen(const std::string& path);  // "ﾌｧｲﾙ %s は開けません"
std::string ListIndexOutOfBounds(int index);         // "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (%d)"
std::string NotAnInteger(const std::string& text);   // "'%s' は数値ではありません"

// The refresh cycle's two message boxes.
std::string IntervalFetchFailed();  // "loadtime.txtの取得に失敗しました。\n更新時間を120秒と仮定します。"
std::string AddressFetchFailed();   // "IP/MAP対応表の取得に失敗しました。\nヒントを出しません。"

// A text for standard error: in UTF-8, and when it is one of the texts above,
// followed by its English gloss, "ﾌｧｲﾙ X は開けません (cannot open file X)".
// Boxes show the texts alone.
std::string Glossed(std::string_view sjisText);
// An error for standard error: its text glossed, then what the error adds to
// it, such as the failed call and the system's reason of a file error.
std::string Described(const std::exception& error);

}  // namespace lookout::messages
