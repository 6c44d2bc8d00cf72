#pragma once
// Whether a Windows test runs under Wine. Wine 8 turns a connection reset
// that arrives before the reader has taken the data into an orderly close,
// data lost: the cases that need the reset itself are for Linux and Windows.
#ifdef _WIN32
#include <windows.h>
#endif

namespace lookout::test {

inline bool UnderWine() {
#ifdef _WIN32
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

}  // namespace lookout::test
