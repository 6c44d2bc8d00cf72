#include "platform/ExePath.h"

#include <windows.h>

#include <vector>

#include "platform/Exception.h"
#include "platform/Messages.h"
#include "platform/SystemError.h"
#include "platform/windows/WidePath.h"

namespace lookout {

std::string ExecutableDirectory() {
    // GetModuleFileNameW truncates silently: a result that fills the buffer
    // is retried with a larger one.
    for (std::vector<wchar_t> buffer(MAX_PATH);; buffer.resize(buffer.size() * 2)) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            throw EFileError(messages::FileCannotOpen("GetModuleFileNameW"), "GetModuleFileNameW", LastSystemError());
        if (n < buffer.size()) {
            const std::string path = NarrowPath(std::wstring_view(buffer.data(), n));
            return path.substr(0, path.find_last_of("\\/") + 1);
        }
    }
}

}  // namespace lookout
