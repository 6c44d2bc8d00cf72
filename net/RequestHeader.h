#pragma once
// The GET request's header lines as the client builds them, before the
// owner's about-to-send hook edits them.
#include <string_view>

#include "platform/StringList.h"

namespace lookout {

// Clears lines, then adds the request line, two Accept lines, Content-type
// and the empty line that ends the header.
void BuildGetRequestHeader(StringList& lines, std::string_view path);

}  // namespace lookout
