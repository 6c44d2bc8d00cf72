#include "platform/Socket.h"

#include <windows.h>

#include <mutex>
#include <type_traits>

namespace lookout {

static_assert(std::is_same_v<SocketHandle, SOCKET> && kNoSocket == INVALID_SOCKET);

namespace {

std::mutex g_libraryMutex;
int g_libraryUsers = 0;
bool g_libraryStarted = false;

bool MakeNonBlocking(SOCKET socket) {
    u_long on = 1;
    return ::ioctlsocket(socket, FIONBIO, &on) == 0 &&
           ::SetHandleInformation(reinterpret_cast<HANDLE>(socket), HANDLE_FLAG_INHERIT, 0);
}

SOCKET Closed(SOCKET socket) {
    const int error = ::WSAGetLastError();
    ::closesocket(socket);
    ::WSASetLastError(error);
    return INVALID_SOCKET;
}

}  // namespace

// A failed start-up leaves nothing to stop; the sockets then fail to open,
// and their owners report it.
SocketLibrary::SocketLibrary() {
    const std::lock_guard lock(g_libraryMutex);
    if (g_libraryUsers++ > 0) return;
    WSADATA data;
    g_libraryStarted = ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

SocketLibrary::~SocketLibrary() {
    const std::lock_guard lock(g_libraryMutex);
    if (--g_libraryUsers > 0 || !g_libraryStarted) return;
    ::WSACleanup();
    g_libraryStarted = false;
}

SocketHandle OpenSocket(int type, int protocol) {
    const SOCKET s = ::WSASocketW(AF_INET, type, protocol, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) return INVALID_SOCKET;
    return MakeNonBlocking(s) ? s : Closed(s);
}

SocketHandle AcceptSocket(SocketHandle listener) {
    const SOCKET s = ::accept(listener, nullptr, nullptr);
    if (s == INVALID_SOCKET) return INVALID_SOCKET;
    return MakeNonBlocking(s) ? s : Closed(s);
}

int CloseSocket(SocketHandle socket) { return ::closesocket(socket) == 0 ? 0 : ::WSAGetLastError(); }

int LastSocketError() { return ::WSAGetLastError(); }

void ResetOnClose(SocketHandle socket) {
    const linger reset{1, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset), sizeof reset);
}

// Winsock has no socketpair: a listener on an ephemeral loopback port takes
// one connection, and the accepted end must be the one just connected, not
// another local process that came first.
bool SocketPair(SocketHandle pair[2]) {
    const SOCKET listener = ::WSASocketW(AF_INET, SOCK_STREAM, 0, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (listener == INVALID_SOCKET) return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int length = sizeof address;
    SOCKET client = INVALID_SOCKET, server = INVALID_SOCKET;
    sockaddr_in clientName{}, serverPeer{};
    int clientLength = sizeof clientName, peerLength = sizeof serverPeer;
    const bool made =
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(listener, 1) == 0 &&
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
        (client = ::WSASocketW(AF_INET, SOCK_STREAM, 0, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT)) != INVALID_SOCKET &&
        ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        (server = ::accept(listener, reinterpret_cast<sockaddr*>(&serverPeer), &peerLength)) != INVALID_SOCKET &&
        ::getsockname(client, reinterpret_cast<sockaddr*>(&clientName), &clientLength) == 0 &&
        serverPeer.sin_port == clientName.sin_port && serverPeer.sin_addr.s_addr == clientName.sin_addr.s_addr &&
        MakeNonBlocking(client) && MakeNonBlocking(server);
    ::closesocket(listener);
    if (made) {
        pair[0] = server;
        pair[1] = client;
        return true;
    }
    if (client != INVALID_SOCKET) ::closesocket(client);
    if (server != INVALID_SOCKET) ::closesocket(server);
    return false;
}

int PollSockets(PollEntry* entries, std::size_t count, int timeoutMs) {
    // WSAPoll refuses an empty set; a wait for a timer alone is a plain wait.
    if (count == 0) {
        ::Sleep(timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs));
        return 0;
    }
    return ::WSAPoll(entries, static_cast<ULONG>(count), timeoutMs);
}

bool ParseDottedAddress(const std::string& text, std::uint32_t& address) {
    // inet_addr takes the forms inet_aton does, but answers INADDR_NONE both
    // for a failure and for the broadcast address.
    const unsigned long parsed = ::inet_addr(text.c_str());
    if (parsed == INADDR_NONE && text != "255.255.255.255") return false;
    address = parsed;
    return true;
}

}  // namespace lookout
