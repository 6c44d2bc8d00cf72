// The demo service as a child process on Windows: its stdout on a pipe read
// with a time limit, Ctrl+Break to its own process group to stop it.
#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "platform/ExePath.h"
#include "platform/windows/WidePath.h"
#include "tests/support/DemoService.h"
#include "tests/support/MsLeft.h"

namespace lookout::test {

using Clock = std::chrono::steady_clock;

struct DemoServiceProcess::Child {
    PROCESS_INFORMATION process{};
    HANDLE output = INVALID_HANDLE_VALUE;  // the read end of its stdout, overlapped
    HANDLE readDone = nullptr;

    ~Child() {
        if (output != INVALID_HANDLE_VALUE) ::CloseHandle(output);
        if (readDone) ::CloseHandle(readDone);
    }

    // Reads what the child printed, until `end`; false on the time limit or
    // at the end of its output.
    bool Read(std::string& into, Clock::time_point end) {
        char buffer[256];
        OVERLAPPED overlapped{};
        overlapped.hEvent = readDone;
        DWORD n = 0;
        if (!::ReadFile(output, buffer, sizeof buffer, &n, &overlapped)) {
            if (::GetLastError() != ERROR_IO_PENDING) return false;
            if (::WaitForSingleObject(readDone, MsLeft(end)) != WAIT_OBJECT_0) {
                ::CancelIoEx(output, &overlapped);
                ::GetOverlappedResult(output, &overlapped, &n, TRUE);
                return false;
            }
            if (!::GetOverlappedResult(output, &overlapped, &n, FALSE)) return false;
        }
        into.append(buffer, n);
        return n > 0;
    }
};

DemoServiceProcess::DemoServiceProcess(std::vector<std::string> args, std::chrono::milliseconds limit)
    : child_(std::make_unique<Child>()) {
    const std::wstring portFile = (dir_.Path() / "port").wstring();
    const std::wstring program = WidePath(ExecutableDirectory() + "lookout-demo-service.exe");
    std::wstring commandLine = L"\"" + program + L"\" --port 0 --port-file \"" + portFile + L"\"";
    for (const auto& a : args) commandLine += L" \"" + WidePath(a) + L"\"";

    // A pipe of a name of its own, since only a named pipe reads overlapped.
    const std::wstring pipeName = L"\\\\.\\pipe\\lookout-demo-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(reinterpret_cast<std::uintptr_t>(this));
    child_->output = ::CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED,
                                        PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const HANDLE childEnd =
        ::CreateFileW(pipeName.c_str(), GENERIC_WRITE, 0, &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    child_->readDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (child_->output == INVALID_HANDLE_VALUE || childEnd == INVALID_HANDLE_VALUE || !child_->readDone)
        throw std::runtime_error("no pipe for the demo service's output");

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = childEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    const BOOL started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                          CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup, &child_->process);
    ::CloseHandle(childEnd);
    if (!started) throw std::runtime_error("cannot start " + NarrowPath(program));
    ::CloseHandle(child_->process.hThread);

    // The ready line comes after the port file is in place.
    const auto end = Clock::now() + limit;
    std::string line;
    while (line.find('\n') == std::string::npos) {
        if (!child_->Read(line, end)) {
            Stop();
            throw std::runtime_error("the demo service printed no ready line in time, or ended");
        }
    }
    std::ifstream in(dir_.Path() / "port");
    if (!(in >> port_) || port_ <= 0) {
        Stop();
        throw std::runtime_error("the demo service wrote no port file");
    }
}

DemoServiceProcess::~DemoServiceProcess() { Stop(); }

int DemoServiceProcess::Stop(std::chrono::milliseconds limit) {
    const HANDLE process = child_->process.hProcess;
    if (!process) return -1;
    child_->process.hProcess = nullptr;
    // Ctrl+Break to the service's own process group, as a console sends it;
    // where none can be sent (Wine has no console for it), the process is
    // ended outright.
    DWORD status = 0;
    const bool exited = ::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, child_->process.dwProcessId) &&
                        ::WaitForSingleObject(process, MsLeft(Clock::now() + limit)) == WAIT_OBJECT_0 &&
                        ::GetExitCodeProcess(process, &status);
    if (!exited) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, INFINITE);
    }
    ::CloseHandle(process);
    return exited ? static_cast<int>(status) : -1;
}

}  // namespace lookout::test
