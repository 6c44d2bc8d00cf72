#pragma once
// The framework's own error texts (Shift-JIS), shared by every part that
// raises them.
#include <string>

namespace lookout::messages {

std::string FileCannotOpen(const std::string& path);  // "ﾌｧｲﾙ %s は開けません"
std::string ListIndexOutOfBounds(int index);         // "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (%d)"
std::string NotAnInteger(const std::string& text);   // "'%s' は数値ではありません"

}  // namespace lookout::messages
