#pragma once
// Paths on Windows: the program keeps them as UTF-8 strings, so that any
// name the file system allows survives, and hands them to the system's wide
// (UTF-16) calls.
#include <string>
#include <string_view>

namespace lookout {

std::wstring WidePath(std::string_view utf8);
std::string NarrowPath(std::wstring_view wide);

}  // namespace lookout
