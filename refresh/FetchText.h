#pragma once
// How a fetch reads on standard error, for both faces: one UTF-8 line naming
// the page, its URL and the client's reason.
#include <string>

#include "refresh/RefreshFace.h"

namespace lookout {

// "URL: reason" for a failed fetch, "URL" for a read one (UTF-8, one line).
std::string Describe(const PageFetch& fetch);

// "cannot read the status page URL: reason", or for a read fetch after
// failures, "the status page reads again: URL".
std::string FetchLine(const PageFetch& fetch);

// The text on one line without terminal codes, whatever a reply brought:
// every control character (line breaks, escapes) becomes a space.
std::string OneLine(std::string utf8);

}  // namespace lookout
