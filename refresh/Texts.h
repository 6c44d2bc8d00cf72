#pragma once
// The refresh cycle's texts (Shift-JIS): the application title and the
// captions, shown by whichever face the cycle has; its two messages are with
// the other message texts (platform/Messages.h).
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

}  // namespace lookout::texts
