// Japanese literals: compiled by g++ with the Shift-JIS execution charset.
// Every character here also exists in EUC-JP; the address page is converted.
#include "demo/AddressText.h"

#include <array>

namespace lookout::demo {

std::string AddressPageHeading() { return "<p>サーバー一覧　IP/MAP対応表</p>"; }
std::string LoginRole() { return "ログイン認証"; }
std::string CharSelectRole() { return "キャラクター選択"; }
std::string PatchRole() { return "ﾊﾟｯﾁ配布"; }
std::string MapsLabel() { return "マップ："; }

std::string MapName(std::size_t index) {
    static const std::array<const char*, kMapNameCount> names = {
        "始まりの町", "北の森",     "砂漠の遺跡", "氷の洞窟", "港町",     "古城",
        "地下水路",   "天空の塔",   "火山口",     "湖畔の村", "鉱山跡",   "迷いの森",
        "王都",       "地下迷宮",   "雪原",       "海底神殿",
    };
    return names[index % kMapNameCount];
}

}  // namespace lookout::demo
