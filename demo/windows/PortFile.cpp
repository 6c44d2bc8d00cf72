#include "demo/PortFile.h"

#include <windows.h>

#include <string>

#include "platform/Exception.h"
#include "platform/windows/WidePath.h"

namespace lookout::demo {

void WritePortFile(const std::string& path, int port) {
    const std::string text = std::to_string(port) + "\n";
    const std::wstring target = WidePath(path);
    const std::wstring temp = target + L"." + std::to_wstring(::GetCurrentProcessId());
    const HANDLE file =
        ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Exception("cannot write " + path + ": error " + std::to_string(::GetLastError()));
    DWORD written = 0;
    const bool ok =
        ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    const bool closed = ::CloseHandle(file) != 0;
    // Moved into place whole, over an earlier run's file.
    if (!ok || !closed || !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        throw Exception("cannot write " + path + ": error " + std::to_string(error));
    }
}

}  // namespace lookout::demo
