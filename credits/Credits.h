#pragma once
// Who made the program and where its people and its data live. The About
// dialog shows these; every request names the home page as its Referer.
namespace lookout::credits {

inline constexpr char kProjectName[] = "Lookout";
inline constexpr char kMakerName[] = "Lookout developers";
inline constexpr char kHomePage[] = "https://lookout.example.org/";
inline constexpr char kContactAddress[] = "lookout@example.org";
inline constexpr char kStatusServiceSite[] = "https://status.example.net/";

}  // namespace lookout::credits
