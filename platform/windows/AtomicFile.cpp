#include "platform/AtomicFile.h"

#include <windows.h>

#include <string_view>

#include "platform/Exception.h"
#include "platform/Messages.h"
#include "platform/SystemError.h"
#include "platform/windows/WidePath.h"

namespace lookout {

namespace {

// `call` is the step that failed; GetLastError is its reason unless told.
[[noreturn]] void Fail(const std::string& path, const char* call, int error = LastSystemError()) {
    throw EFileError(messages::FileCannotOpen(path), call, error);
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (Valid()) ::CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Writes all of `bytes` from the file's position and flushes them.
void WriteAllAndFlush(HANDLE file, const std::string& bytes, const std::string& path) {
    for (std::size_t done = 0; done < bytes.size();) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) Fail(path, "WriteFile");
        done += written;
    }
    if (!::FlushFileBuffers(file)) Fail(path, "FlushFileBuffers");
}

// Closes the handle, then removes the file of this process's own that a
// failed step leaves behind, and passes the failure on.
[[noreturn]] void DeleteAndRethrow(Handle& file, const std::wstring& name) {
    if (file.Valid()) file.Close();
    ::DeleteFileW(name.c_str());
    throw;
}

// Temporaries are "<name>.tmp-" and six characters. Their writer opens them
// for itself alone until it closes them just before the rename, so no other
// process can delete one while it is being written.
constexpr std::wstring_view kTemporaryInfix = L".tmp-";
constexpr std::size_t kTemporaryRandom = 6;

// A temporary that can be deleted has no living writer: a rewrite killed
// before its rename.
void RemoveStaleTemporaries(const std::wstring& folder, const std::wstring& name) {
    const std::wstring prefix = name + std::wstring(kTemporaryInfix);
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW((folder + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring_view entry(found.cFileName);
        if (entry.size() == prefix.size() + kTemporaryRandom && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            ::DeleteFileW((folder + std::wstring(entry)).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

// A new temporary beside the target, open for this process alone; an
// invalid handle when the folder takes no new file (access denied).
HANDLE CreateTemporary(const std::wstring& stem, DWORD attributes, std::wstring& temp, const std::string& path) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    ULONGLONG seed = ::GetTickCount64() ^ (static_cast<ULONGLONG>(::GetCurrentProcessId()) << 20);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = stem;
        for (std::size_t i = 0; i < kTemporaryRandom; ++i, seed /= 36) temp += kDigits[seed % 36];
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL + static_cast<ULONGLONG>(attempt);
        const HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = ::GetLastError();
        if (error == ERROR_ACCESS_DENIED) return INVALID_HANDLE_VALUE;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) Fail(path, "CreateFileW", error);
    }
    Fail(path, "CreateFileW", ERROR_FILE_EXISTS);
}

// Writes a temporary beside the target and moves it over the target. False
// when the folder takes no new file from this process: nothing has changed.
bool ReplaceByRename(const std::wstring& target, const std::wstring& folder, const std::wstring& name, DWORD attributes,
                     const std::string& bytes, const std::string& path) {
    std::wstring temp;
    Handle file(CreateTemporary(folder + name + std::wstring(kTemporaryInfix), attributes, temp, path));
    if (!file.Valid()) return false;
    try {
        WriteAllAndFlush(file.get(), bytes, path);
        // The file is closed before the move, which Windows refuses for a
        // file that is open without delete sharing.
        if (!file.Close()) Fail(path, "CloseHandle");
        if (!::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            Fail(path, "MoveFileExW");
    } catch (const EFileError&) {
        DeleteAndRethrow(file, temp);
    }
    return true;
}

void SetEnd(HANDLE file, LONGLONG size, const std::string& path) {
    LARGE_INTEGER end{};
    end.QuadPart = size;
    if (!::SetFilePointerEx(file, end, nullptr, FILE_BEGIN)) Fail(path, "SetFilePointerEx");
    if (!::SetEndOfFile(file)) Fail(path, "SetEndOfFile");
}

// Rewrites the file itself, every step checked. A file that grows gets its
// new end before the first byte is written, so a full disk fails there and
// leaves the old bytes whole; the old tail beyond the new end goes last.
void WriteInPlace(const std::wstring& target, const std::string& bytes, const std::string& path) {
    Handle file(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) Fail(path, "CreateFileW");
    LARGE_INTEGER old{};
    if (!::GetFileSizeEx(file.get(), &old)) Fail(path, "GetFileSizeEx");
    const auto size = static_cast<LONGLONG>(bytes.size());
    if (size > old.QuadPart) SetEnd(file.get(), size, path);
    if (!::SetFilePointerEx(file.get(), LARGE_INTEGER{}, nullptr, FILE_BEGIN)) Fail(path, "SetFilePointerEx");
    WriteAllAndFlush(file.get(), bytes, path);
    SetEnd(file.get(), size, path);
    if (!::FlushFileBuffers(file.get())) Fail(path, "FlushFileBuffers");
    if (!file.Close()) Fail(path, "CloseHandle");
}

// Raised for a handle that is not a file on a disk (a device or a pipe).
[[noreturn]] void FailNotADiskFile(const std::string& path) { Fail(path, "GetFileType", ERROR_INVALID_FUNCTION); }

// What a replacement takes over of its file's attributes.
DWORD KeptAttributes(DWORD attributes) {
    attributes &=
        FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    return attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes;
}

// The path of the file that `path` finally leads to, links followed, and its
// attributes; fails for anything but an existing, writable regular file.
std::wstring ExistingWritableFile(const std::string& path, DWORD& attributes) {
    // A folder cannot be opened like this: it fails here.
    Handle file(::CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) Fail(path, "CreateFileW");
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) FailNotADiskFile(path);
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(file.get(), &info)) Fail(path, "GetFileInformationByHandle");
    // The attribute is asked as well: Wine lets root open a read-only file
    // for writing. Windows itself refuses it so.
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) Fail(path, "CreateFileW", ERROR_ACCESS_DENIED);
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), nullptr, 0, FILE_NAME_NORMALIZED);
    if (length == 0) Fail(path, "GetFinalPathNameByHandleW");
    std::wstring final(length, L'\0');
    const DWORD written = ::GetFinalPathNameByHandleW(file.get(), final.data(), length, FILE_NAME_NORMALIZED);
    if (written == 0) Fail(path, "GetFinalPathNameByHandleW");
    if (written >= length) Fail(path, "GetFinalPathNameByHandleW", ERROR_INSUFFICIENT_BUFFER);
    final.resize(written);
    attributes = KeptAttributes(info.dwFileAttributes);
    return final;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    Handle file(::CreateFileW(WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) Fail(path, "CreateFileW");
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) FailNotADiskFile(path);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) Fail(path, "ReadFile");
        if (n == 0) break;
        bytes.append(buffer, n);
    }
    return bytes;
}

void RewriteFile(const std::string& path, const std::string& bytes) {
    // Opening it for writing refuses a missing, read-only or unwritable file
    // at once, as a write in place would.
    DWORD attributes = 0;
    const std::wstring target = ExistingWritableFile(path, attributes);
    const std::size_t slash = target.find_last_of(L'\\');
    const std::wstring folder = target.substr(0, slash + 1);
    const std::wstring name = target.substr(slash + 1);
    RemoveStaleTemporaries(folder, name);
    if (!ReplaceByRename(target, folder, name, attributes, bytes, path)) WriteInPlace(target, bytes, path);
}

void PublishFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = WidePath(path);
    const std::size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : target.substr(0, slash + 1);
    const std::wstring name = target.substr(slash + 1);
    // An existing file keeps its attributes; a link in its place is replaced.
    const DWORD existing = ::GetFileAttributesW(target.c_str());
    const bool file =
        existing != INVALID_FILE_ATTRIBUTES && !(existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    const DWORD attributes = file ? KeptAttributes(existing) : FILE_ATTRIBUTE_NORMAL;
    RemoveStaleTemporaries(folder, name);
    if (!ReplaceByRename(target, folder, name, attributes, bytes, path)) Fail(path, "CreateFileW", ERROR_ACCESS_DENIED);
}

bool NothingAt(const std::string& path) {
    // The attributes of a link itself, not of where it leads.
    if (::GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

namespace {

// Makes the folder, its missing parents first. Parents that exist are never
// made, so a share's root (\\server\share) needs no special case.
void MakeFolder(const std::wstring& folder, const std::string& directory) {
    if (::CreateDirectoryW(folder.c_str(), nullptr)) return;
    DWORD error = ::GetLastError();
    const std::size_t slash = folder.find_last_of(L"\\/");
    if (error == ERROR_PATH_NOT_FOUND && slash != std::wstring::npos && slash > 0) {
        MakeFolder(folder.substr(0, slash), directory);
        if (::CreateDirectoryW(folder.c_str(), nullptr)) return;
        error = ::GetLastError();
    }
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (error != ERROR_ALREADY_EXISTS || attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        Fail(directory, "CreateDirectoryW", static_cast<int>(error));
}

}  // namespace

void MakeDirectories(const std::string& directory) {
    std::wstring folder = WidePath(directory);
    while (folder.size() > 1 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
    MakeFolder(folder, directory);
}

bool CreateFileOnce(const std::string& path, const std::string& bytes) {
    // The process id keeps simultaneous creators apart; a file of that name is
    // a leftover of an earlier process that ended half-way.
    const std::wstring target = WidePath(path);
    const std::wstring temp = target + L".new-" + std::to_wstring(::GetCurrentProcessId());
    ::DeleteFileW(temp.c_str());
    Handle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) Fail(path, "CreateFileW");
    try {
        WriteAllAndFlush(file.get(), bytes, path);
        if (!file.Close()) Fail(path, "CloseHandle");
        // Without MOVEFILE_REPLACE_EXISTING the move refuses to replace what
        // another start put there first.
        if (::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return false;
        Fail(path, "MoveFileExW", static_cast<int>(error));
    } catch (const EFileError&) {
        DeleteAndRethrow(file, temp);
    }
}

}  // namespace lookout
