#pragma once
// Who made the program and where its people and its data live. The About
// dialog shows these; every request names the home page as its Referer. The
// build reads the maker's name, home page and contact from here for the
// packages, the README's home page and the Windows resources: keep each on
// one line of the form below.
namespace lookout::credits {

inline constexpr char kProjectName[] = "Lookout";
inline constexpr char kMakerName[] = "Lookout developers";
inline constexpr char kHomePage[] = "https://lookout-monitor.org/";
inline constexpr char kContactAddress[] = "team@lookout-monitor.org";
inline constexpr char kStatusServiceSite[] = "https://status.example.net/";

}  // namespace lookout::credits
