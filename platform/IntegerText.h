#pragma once
// Reading integer texts the way SERVER.INI and the interval page need.
#include <cstdint>
#include <string>
#include <string_view>

namespace lookout {

// Removes trailing blanks and control characters (every byte up to and
// including space).
std::string TrimRight(std::string_view text);

// A 32-bit integer: leading spaces skipped, then an optional sign and decimal
// digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X" (no sign, up
// to FFFFFFFF, read as two's complement), and nothing after. Anything else,
// a decimal value outside the 32-bit signed range included, raises
// EConvertError with the framework's "not an integer" text.
std::int32_t StrToInt(std::string_view text);

// The same reading without the exception.
bool TryStrToInt(std::string_view text, std::int32_t& value);

}  // namespace lookout
