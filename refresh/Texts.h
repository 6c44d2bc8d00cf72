#pragma once
// The refresh cycle's texts (Shift-JIS): the application title, captions and
// messages, shown by whichever face the cycle has.
#include <string>

namespace lookout::texts {

inline constexpr const char* kApplicationTitle = "Lookout 050504";
inline constexpr const char* kLoadTimeFallback = "*120";

std::string CaptionFetchingInterval();   // "更新時間取得中..."
std::string CaptionFetchingAddresses();  // "IP/MAP対応表取得中..."
std::string CaptionUpdatingStatus();     // "ServerStatus更新中..."
std::string CaptionUpdatingParty();      // "PT/GuildStatus更新中..."
// title + " (" + loadTime + "秒/" + urlSuffix + ")"
std::string NormalCaption(const std::string& title, const std::string& loadTime, const std::string& urlSuffix);

std::string IntervalFetchFailed();  // "loadtime.txtの取得に失敗しました。\n更新時間を120秒と仮定します。"
std::string AddressFetchFailed();   // "IP/MAP対応表の取得に失敗しました。\nヒントを出しません。"

}  // namespace lookout::texts
