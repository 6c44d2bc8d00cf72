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

}  // namespace lookout::texts
