#pragma once
// A listening TCP socket on an IPv4 address (127.0.0.1 unless told), which
// can be closed for a while and opened again on the same port so that
// connects meanwhile are really refused.
#include <optional>
#include <string>

#include "platform/Socket.h"

namespace lookout {

class Listener {
public:
    // Port 0 picks a free port. Raises Exception "cannot listen on
    // ADDRESS:PORT: reason" when the address cannot be had.
    explicit Listener(int port);
    explicit Listener(const sockaddr_in& address);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    int Port() const { return ntohs(address_.sin_port); }
    SocketHandle Fd() const { return fd_; }  // kNoSocket while closed
    bool IsOpen() const { return fd_ != kNoSocket; }

    void Close();
    // Listens on the same port again; false while the port is still taken.
    bool Reopen();
    // A new non-blocking connection, or nullopt when none is waiting.
    std::optional<SocketHandle> Accept();

private:
    // The listening socket, or kNoSocket and the error.
    SocketHandle Open(int& error);

    SocketLibrary sockets_;
    sockaddr_in address_;
    SocketHandle fd_ = kNoSocket;
};

// "127.0.0.1:9100".
std::string AddressText(const sockaddr_in& address);

}  // namespace lookout
