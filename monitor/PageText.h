#pragma once
// What the three page readers share: finding a server's line and cutting it
// into fields.
#include <string>
#include <string_view>
#include <vector>

namespace lookout {

// The first line whose first key.size() bytes equal key (exact, case-sensitive);
// nullptr when none does. Lines shorter than the key never match.
const std::string* FindKeyLine(const std::vector<std::string>& lines, std::string_view key);

// Takes the text before the first separator and deletes it together with the
// separator. With no separator left the field is empty and nothing is deleted.
std::string CutField(std::string& rest, char separator);

// Deletes everything up to and including the first separator (nothing when
// there is none).
void SkipField(std::string& rest, char separator);

// Replaces every occurrence of pattern, each scan starting again at the first
// character. The pattern must not be empty and the replacement must not be
// able to form a new occurrence (the two uses here cannot).
std::string ReplaceText(std::string text, std::string_view pattern, std::string_view replacement);

}  // namespace lookout
