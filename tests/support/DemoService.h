#pragma once
// For tests: lookout-demo-service as a child process on a free port of
// 127.0.0.1, and raw HTTP exchanges with it. Every wait has a time limit, so
// a hang becomes a failure; nothing sleeps.
#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Socket.h"
#include "tests/support/TempDir.h"

namespace lookout::test {

struct RawReply {
    std::string bytes;      // everything received
    int error = 0;          // of a failed connect or receive (kConnectionRefused, kConnectionReset); 0 after a clean close
    bool timedOut = false;  // the limit passed before the server closed
};

// Connects to 127.0.0.1:port, sends `request` and reads until the server
// closes, `maxBytes` have arrived (the reply is then cut off) or `limit`
// passes.
RawReply RawExchange(int port, std::string_view request,
                     std::chrono::milliseconds limit = std::chrono::seconds(10),
                     std::size_t maxBytes = std::size_t{16} << 20);

// Waits for poll `events` on a socket (or on POSIX systems a pipe) until
// `end`; false when the time is up.
bool WaitFor(SocketHandle fd, short events, std::chrono::steady_clock::time_point end);

// "GET path HTTP/1.0" with an empty header.
RawReply RawGet(int port, std::string_view path, std::chrono::milliseconds limit = std::chrono::seconds(10),
                std::size_t maxBytes = std::size_t{16} << 20);

// The body of a reply (after the first empty line), or the whole text when it
// has no empty line.
std::string BodyOf(const std::string& reply);

class DemoServiceProcess {
public:
    // Starts the service with `--port 0 --port-file ...` and `args`, and waits
    // (within `limit`) for its ready line. Raises std::runtime_error when it
    // does not come up.
    explicit DemoServiceProcess(std::vector<std::string> args = {},
                                std::chrono::milliseconds limit = std::chrono::seconds(20));
    ~DemoServiceProcess();
    DemoServiceProcess(const DemoServiceProcess&) = delete;
    DemoServiceProcess& operator=(const DemoServiceProcess&) = delete;

    int Port() const { return port_; }
    // "http://127.0.0.1:PORT/", the form SERVER.INI's base URL lines take.
    std::string BaseUrl() const;

    // GET /control/fault?QUERY, e.g. "mode=slow&ms=500&path=/status.txt";
    // raises std::runtime_error unless the service accepted it.
    void SetFault(std::string_view query) const;

    // SIGTERM (on Windows Ctrl+Break), then waits for the exit; returns the
    // exit status, or -1 when the process did not exit normally in time (it
    // is then killed).
    int Stop(std::chrono::milliseconds limit = std::chrono::seconds(10));

private:
    struct Child;  // the system's handles of the process
    std::unique_ptr<Child> child_;
    int port_ = 0;
    TempDir dir_{"lookout-demo"};  // for the port file
};

}  // namespace lookout::test
