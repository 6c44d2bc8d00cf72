// Japanese literals: g++ re-encodes them to Shift-JIS (-fexec-charset=CP932).
#include "ui/AboutTexts.h"

namespace lookout::about_texts {

std::string Caption() { return "バージョン情報"; }

std::string CreditLine() { return "status.example.net のチェッカーデータを利用"; }

}  // namespace lookout::about_texts
