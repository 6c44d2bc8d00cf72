// Japanese literals: compiled by g++ with the Shift-JIS execution charset.
#include "refresh/Texts.h"

namespace lookout::texts {

std::string CaptionFetchingInterval() { return "更新時間取得中..."; }
std::string CaptionFetchingAddresses() { return "IP/MAP対応表取得中..."; }
std::string CaptionUpdatingStatus() { return "ServerStatus更新中..."; }
std::string CaptionUpdatingParty() { return "PT/GuildStatus更新中..."; }

std::string NormalCaption(const std::string& title, const std::string& loadTime, const std::string& urlSuffix) {
    return title + " (" + loadTime + "秒/" + urlSuffix + ")";
}

std::string IntervalFetchFailed() { return "loadtime.txtの取得に失敗しました。\n更新時間を120秒と仮定します。"; }
std::string AddressFetchFailed() { return "IP/MAP対応表の取得に失敗しました。\nヒントを出しません。"; }

}  // namespace lookout::texts
