#pragma once
// The service's listening socket on 127.0.0.1, which can be closed for a
// while and opened again on the same port so that connects meanwhile are
// really refused.
#include <optional>

namespace lookout::demo {

class Listener {
public:
    // Port 0 picks a free port. Raises Exception when the port cannot be had.
    explicit Listener(int port);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    int Port() const { return port_; }
    int Fd() const { return fd_; }  // -1 while closed
    bool IsOpen() const { return fd_ >= 0; }

    void Close();
    // Listens on the same port again; false while the port is still taken.
    bool Reopen();
    // A new non-blocking connection, or nullopt when none is waiting.
    std::optional<int> Accept();

private:
    int Open(int port);  // the listening fd, or -1

    int port_ = 0;
    int fd_ = -1;
};

}  // namespace lookout::demo
