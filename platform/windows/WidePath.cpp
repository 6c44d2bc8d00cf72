#include "platform/windows/WidePath.h"

#include <windows.h>

namespace lookout {

std::wstring WidePath(std::string_view utf8) {
    std::wstring wide;
    if (utf8.empty()) return wide;
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    wide.resize(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string NarrowPath(std::wstring_view wide) {
    std::string utf8;
    if (wide.empty()) return utf8;
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    utf8.resize(static_cast<std::size_t>(length));
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr,
                          nullptr);
    return utf8;
}

}  // namespace lookout
