#include "platform/AtomicFile.h"

#include <windows.h>

#include <string_view>

#include "platform/Exception.h"
#include "platform/Messages.h"
#include "platform/windows/WidePath.h"

namespace lookout {

namespace {

[[noreturn]] void Fail(const std::string& path) { throw EFileError(messages::FileCannotOpen(path)); }

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

bool WriteAll(HANDLE file, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr)) return false;
        data += written;
        size -= written;
    }
    return true;
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
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) Fail(path);
    }
    Fail(path);
}

// Writes a temporary beside the target and moves it over the target. False
// when the folder takes no new file from this process: nothing has changed.
bool ReplaceByRename(const std::wstring& target, const std::wstring& folder, const std::wstring& name, DWORD attributes,
                     const std::string& bytes, const std::string& path) {
    std::wstring temp;
    Handle file(CreateTemporary(folder + name + std::wstring(kTemporaryInfix), attributes, temp, path));
    if (!file.Valid()) return false;
    // The file is closed before the move, which Windows refuses for a file
    // that is open without delete sharing.
    const bool written =
        WriteAll(file.get(), bytes.data(), bytes.size()) && ::FlushFileBuffers(file.get()) && file.Close();
    if (!written || !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        Fail(path);
    }
    return true;
}

// Truncates and rewrites the file itself, every step checked.
void WriteInPlace(const std::wstring& target, const std::string& bytes, const std::string& path) {
    Handle file(::CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() || !WriteAll(file.get(), bytes.data(), bytes.size()) || !::FlushFileBuffers(file.get()) ||
        !file.Close())
        Fail(path);
}

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
    BY_HANDLE_FILE_INFORMATION info;
    // The attribute is asked as well: Wine lets root open a read-only file
    // for writing.
    if (!file.Valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK ||
        !::GetFileInformationByHandle(file.get(), &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
        Fail(path);
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), nullptr, 0, FILE_NAME_NORMALIZED);
    std::wstring final(length, L'\0');
    const DWORD written = ::GetFinalPathNameByHandleW(file.get(), final.data(), length, FILE_NAME_NORMALIZED);
    if (length == 0 || written == 0 || written >= length) Fail(path);
    final.resize(written);
    attributes = KeptAttributes(info.dwFileAttributes);
    return final;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    Handle file(::CreateFileW(WidePath(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() || ::GetFileType(file.get()) != FILE_TYPE_DISK) Fail(path);
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) Fail(path);
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
    if (!ReplaceByRename(target, folder, name, attributes, bytes, path)) Fail(path);
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
        Fail(directory);
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
    if (!file.Valid()) Fail(path);
    const bool written =
        WriteAll(file.get(), bytes.data(), bytes.size()) && ::FlushFileBuffers(file.get()) && file.Close();
    // Without MOVEFILE_REPLACE_EXISTING the move refuses to replace what
    // another start put there first.
    const bool moved = written && ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    const DWORD error = ::GetLastError();
    if (moved) return true;
    ::DeleteFileW(temp.c_str());
    if (written && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)) return false;
    Fail(path);
}

}  // namespace lookout
