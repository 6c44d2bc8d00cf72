#include "platform/ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

namespace lookout {

void OpenWithDesktop(const std::string& target) {
    std::wstring wide;
    if (!target.empty()) {
        const int size = static_cast<int>(target.size());
        const int length = ::MultiByteToWideChar(932, 0, target.data(), size, nullptr, 0);
        wide.resize(static_cast<std::size_t>(length));
        ::MultiByteToWideChar(932, 0, target.data(), size, wide.data(), length);
    }
    ::ShellExecuteW(nullptr, nullptr, wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace lookout
