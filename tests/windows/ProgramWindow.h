#pragma once
// For the Windows tests of the programs as a user meets them: a program
// started as Explorer starts it, its windows found, the screen read through
// GDI. Every wait is bounded by a watchdog; the pause between looks is a wait
// on the process.
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Rgb.h"

namespace lookout::test {

inline constexpr auto kWatchdog = std::chrono::seconds(60);

// What the screen shows in a rectangle.
class Capture {
public:
    explicit Capture(RECT r) : left_(r.left), top_(r.top), width_(r.right - r.left), height_(r.bottom - r.top) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        const HDC screen = ::GetDC(nullptr);
        const HDC memory = ::CreateCompatibleDC(screen);
        const HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        const HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width_, height_, screen, left_, top_, SRCCOPY);
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<std::size_t>(width_) * height_);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        ::ReleaseDC(nullptr, screen);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const {
        const std::uint32_t p = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
        return Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
    }
    bool Dark(int x, int y) const {
        const Rgb p = At(x, y);
        return p.r < 128 && p.g < 128 && p.b < 128;
    }

private:
    int left_, top_, width_, height_;
    std::vector<std::uint32_t> pixels_;
};

// Polls `done` until it holds, the process ends or the watchdog runs out.
inline bool WaitUntil(HANDLE process, const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + kWatchdog;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        if (::WaitForSingleObject(process, 20) == WAIT_OBJECT_0) return false;
    }
    return false;
}

// A visible top-level window of the process other than `except`, titled
// `title` when that is given.
inline HWND WindowOf(DWORD processId, const std::wstring* title, HWND except) {
    struct Search {
        DWORD processId;
        const std::wstring* title;
        HWND except;
        HWND found;
    } search{processId, title, except, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != s.processId || window == s.except || !::IsWindowVisible(window)) return TRUE;
            if (s.title) {
                wchar_t text[256] = {};
                ::GetWindowTextW(window, text, 256);
                if (*s.title != text) return TRUE;
            }
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline POINT ClientOrigin(HWND window) {
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    return origin;
}

// A program started with the command line `program` (quoted) + `arguments`;
// ended by force, if it still runs, when the object goes.
class Process {
public:
    explicit Process(const std::wstring& program, const std::wstring& arguments = L"") {
        std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info_))
            ::CloseHandle(info_.hThread);
        else
            startError_ = ::GetLastError();
    }
    ~Process() {
        if (!info_.hProcess) return;
        ::TerminateProcess(info_.hProcess, 1);
        ::WaitForSingleObject(info_.hProcess, INFINITE);
        ::CloseHandle(info_.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD StartError() const { return startError_; }  // CreateProcess's, when it did not start
    HANDLE Handle() const { return info_.hProcess; }
    DWORD Id() const { return info_.dwProcessId; }
    // Waits up to `milliseconds` for the end; its exit status, or -1.
    long Wait(DWORD milliseconds) const {
        DWORD status = 0;
        if (::WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0 ||
            !::GetExitCodeProcess(info_.hProcess, &status))
            return -1;
        return static_cast<long>(status);
    }

private:
    PROCESS_INFORMATION info_{};
    DWORD startError_ = 0;
};

}  // namespace lookout::test
