#pragma once
// Reading an HTTP reply's status line and header lines. Each line arrives
// whole, up to and including its LF, and is kept exactly as received.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lookout {

// Field 2 of the status line split at spaces, as an integer; 0 when that
// text is no integer (a line without reason phrase keeps its line ending in
// field 2). Like the 16-bit field it lands in, larger values wrap.
std::int16_t StatusCodeOf(std::string_view statusLine);

// The redirect target of a "Location:" line (name in any case, followed by
// one space), without the line ending, at most 256 characters; nothing for
// any other line.
std::optional<std::string> LocationOf(std::string_view line);

// The length a reply's header announces: its one "Content-Length:" line
// (name in any case) with decimal digits only, blanks around them allowed;
// nothing when there is no such line, more than one, or another value.
std::optional<std::size_t> ContentLengthOf(std::string_view header);

// The empty line that ends the header: exactly LF or CR LF.
bool IsHeaderEnd(std::string_view line);

}  // namespace lookout
