#pragma once
// The service's listening socket on 127.0.0.1, which can be closed for a
// while and opened again on the same port so that connects meanwhile are
// really refused.
#include <optional>

#include "platform/Socket.h"

namespace lookout::demo {

class Listener {
public:
    // Port 0 picks a free port. Raises Exception when the port cannot be had.
    explicit Listener(int port);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    int Port() const { return port_; }
    SocketHandle Fd() const { return fd_; }  // kNoSocket while closed
    bool IsOpen() const { return fd_ != kNoSocket; }

    void Close();
    // Listens on the same port again; false while the port is still taken.
    bool Reopen();
    // A new non-blocking connection, or nullopt when none is waiting.
    std::optional<SocketHandle> Accept();

private:
    // The listening socket, or kNoSocket and the error.
    SocketHandle Open(int port, int& error);

    SocketLibrary sockets_;
    int port_ = 0;
    SocketHandle fd_ = kNoSocket;
};

}  // namespace lookout::demo
