// Japanese literals: compiled by g++ with the Shift-JIS execution charset.
#include "platform/Messages.h"

namespace lookout::messages {

std::string FileCannotOpen(const std::string& path) {
    return std::string("ﾌｧｲﾙ ") + path + " は開けません";
}

std::string ListIndexOutOfBounds(int index) {
    return std::string("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (") + std::to_string(index) + ")";
}

std::string NotAnInteger(const std::string& text) {
    return "'" + text + "' は数値ではありません";
}

}  // namespace lookout::messages
