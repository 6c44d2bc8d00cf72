// Under Wine, a Linux peer runs beside the test through the Linux side's
// bash (peer.sh), which Wine starts as it starts any Unix program. The
// script reports what the peer printed over a loopback connection of the
// test's own, and ends the peer when that connection ends, so a test that
// dies takes its peers with it.
#include "tests/net/PeerProcess.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

#include "platform/Listener.h"
#include "platform/windows/WidePath.h"

namespace lookout::test {

const std::string& TestCaDir() {
    static const std::string dir = [] {
        const char* made = std::getenv("LOOKOUT_TEST_CA");
        if (!made)
            throw std::runtime_error(
                "LOOKOUT_TEST_CA is not set: the TLS tests run under Wine through under-wine.sh, "
                "which makes the test CA and trusts it");
        return std::string(made);
    }();
    return dir;
}

struct PeerProcess::Child {
    SocketLibrary sockets;
    SocketHandle control = kNoSocket;
    ~Child() {
        if (control == kNoSocket) return;
        // The script ends the peer at our end of the connection, and closes
        // its own once the peer has gone.
        ::shutdown(control, kShutdownSending);
        PollEntry entry{control, POLLIN, 0};
        char block[256];
        while (PollSockets(&entry, 1, 10000) == 1 && ::recv(control, block, sizeof block, 0) > 0) {
        }
        CloseSocket(control);
    }
};

namespace {

// Waits up to 10 s for `socket` to be readable.
bool AwaitReadable(SocketHandle socket) {
    PollEntry entry{socket, POLLIN, 0};
    return PollSockets(&entry, 1, 10000) == 1;
}

std::wstring Quoted(const std::string& argument) {
    if (argument.find('"') != std::string::npos || argument.find('\\') != std::string::npos)
        throw std::runtime_error("a peer's argument with a quote or backslash: " + argument);
    return L"\"" + WidePath(argument) + L"\"";
}

}  // namespace

PeerProcess::PeerProcess(const std::vector<std::string>& argv, const std::string& dir, Stream stream,
                         const std::string& ready)
    : child_(std::make_unique<Child>()), name_(argv[0]) {
    Listener listener(0);
    std::wstring commandLine = L"/bin/bash " + Quoted(LOOKOUT_PEER_SCRIPT) + L" " +
                               std::to_wstring(listener.Port()) + (stream == Stream::Out ? L" out" : L" err");
    for (const std::string& a : argv) commandLine += L" " + Quoted(a);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(L"Z:\\bin\\bash", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          WidePath(dir).c_str(), &startup, &started))
        throw std::runtime_error("cannot start bash for " + name_ + " (the peers run under Wine only)");
    // A Unix child has no Windows process to hold.
    if (started.hThread) ::CloseHandle(started.hThread);
    if (started.hProcess) ::CloseHandle(started.hProcess);

    if (AwaitReadable(listener.Fd())) child_->control = listener.Accept().value_or(kNoSocket);
    if (child_->control == kNoSocket) throw std::runtime_error("bash did not connect for " + name_);
    ReadUntil(ready);
}

PeerProcess::~PeerProcess() = default;

bool PeerProcess::ReadMore() {
    char block[512];
    const int got = AwaitReadable(child_->control) ? ::recv(child_->control, block, sizeof block, 0) : -1;
    if (got <= 0) return false;
    text_.append(block, static_cast<std::size_t>(got));
    return true;
}

}  // namespace lookout::test
