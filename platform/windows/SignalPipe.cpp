#include "platform/SignalPipe.h"

#include <windows.h>

#include <csignal>
#include <mutex>
#include <optional>

#include "platform/Exception.h"
#include "platform/Socket.h"

namespace lookout {

namespace {

// The handler runs on a thread of the system's own; the lock keeps it from
// writing into a socket that the destructor is closing.
std::mutex g_mutex;
SocketHandle g_writeEnd = kNoSocket;
std::optional<SocketLibrary> g_sockets;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    const char number = SIGINT;
    const std::lock_guard lock(g_mutex);
    // A full pair already holds a signal for the loop to see.
    if (g_writeEnd != kNoSocket) ::send(g_writeEnd, &number, 1, 0);
    return TRUE;
}

}  // namespace

SignalPipe::SignalPipe() {
    g_sockets.emplace();
    if (!SocketPair(fds_)) {
        g_sockets.reset();
        throw Exception("socket pair: " + SocketErrorText(LastSocketError()));
    }
    {
        const std::lock_guard lock(g_mutex);
        g_writeEnd = fds_[1];
    }
    ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

SignalPipe::~SignalPipe() {
    ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    watch_ = SocketWatch();
    {
        const std::lock_guard lock(g_mutex);
        g_writeEnd = kNoSocket;
    }
    CloseSocket(fds_[0]);
    CloseSocket(fds_[1]);
    g_sockets.reset();
}

void DieOfSignal(int) {
    // What Windows itself gives a console process that Ctrl+C ends.
    ::ExitProcess(STATUS_CONTROL_C_EXIT);
}

}  // namespace lookout
