#include "tests/support/DemoService.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include "platform/LoopbackAddress.h"
#include "tests/support/TempDir.h"

extern char** environ;

namespace lookout::test {

namespace {

using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for `events` on fd until `end`; false when the time is up.
bool WaitFor(int fd, short events, Clock::time_point end) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int rc = ::poll(&p, 1, MsLeft(end));
        if (rc > 0) return true;
        if (rc == 0) return false;
        if (errno != EINTR) return false;
    }
}

// The exchange on a non-blocking socket the caller closes.
RawReply Exchange(int fd, int port, std::string_view request, Clock::time_point end, std::size_t maxBytes) {
    RawReply reply;
    const sockaddr_in address = LoopbackAddress(port);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno != EINPROGRESS) {
            reply.error = errno;
            return reply;
        }
        if (!WaitFor(fd, POLLOUT, end)) {
            reply.timedOut = true;
            return reply;
        }
        socklen_t length = sizeof reply.error;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &reply.error, &length);
        if (reply.error != 0) return reply;
    }
    for (std::size_t sent = 0; sent < request.size();) {
        if (!WaitFor(fd, POLLOUT, end)) {
            reply.timedOut = true;
            return reply;
        }
        const ssize_t n = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            reply.error = errno;
            return reply;
        }
        if (n > 0) sent += static_cast<std::size_t>(n);
    }
    char buffer[65536];
    while (reply.bytes.size() < maxBytes) {
        if (!WaitFor(fd, POLLIN, end)) {
            reply.timedOut = true;
            break;
        }
        const ssize_t n = ::recv(fd, buffer, std::min(sizeof buffer, maxBytes - reply.bytes.size()), 0);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR) continue;
            reply.error = errno;
            break;
        }
        reply.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return reply;
}

}  // namespace

RawReply RawExchange(int port, std::string_view request, std::chrono::milliseconds limit, std::size_t maxBytes) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return RawReply{{}, errno, false};
    RawReply reply = Exchange(fd, port, request, Clock::now() + limit, maxBytes);
    ::close(fd);
    return reply;
}

RawReply RawGet(int port, std::string_view path, std::chrono::milliseconds limit, std::size_t maxBytes) {
    return RawExchange(port, "GET " + std::string(path) + " HTTP/1.0\r\n\r\n", limit, maxBytes);
}

std::string BodyOf(const std::string& reply) {
    const std::size_t blank = reply.find("\r\n\r\n");
    return blank == std::string::npos ? reply : reply.substr(blank + 4);
}

DemoServiceProcess::DemoServiceProcess(std::vector<std::string> args, std::chrono::milliseconds limit) {
    const std::string portFile = (dir_.Path() / "port").string();

    std::vector<std::string> argv = {LOOKOUT_DEMO_SERVICE_PATH, "--port", "0", "--port-file", portFile};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int rc = ::posix_spawn(&pid_, cargv[0], &actions, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    stdout_ = pipeFds[0];
    if (rc != 0) {
        pid_ = -1;
        throw std::runtime_error(std::string("cannot start ") + cargv[0] + ": " + std::strerror(rc));
    }

    // The ready line comes after the port file is in place.
    const auto end = Clock::now() + limit;
    std::string line;
    while (line.find('\n') == std::string::npos) {
        char buffer[256];
        if (!WaitFor(stdout_, POLLIN, end)) {
            Stop();
            throw std::runtime_error("the demo service printed no ready line in time");
        }
        const ssize_t n = ::read(stdout_, buffer, sizeof buffer);
        if (n <= 0) {
            Stop();
            throw std::runtime_error("the demo service ended before it was ready");
        }
        line.append(buffer, static_cast<std::size_t>(n));
    }
    std::ifstream in(portFile);
    if (!(in >> port_) || port_ <= 0) {
        Stop();
        throw std::runtime_error("the demo service wrote no port file");
    }
}

DemoServiceProcess::~DemoServiceProcess() {
    Stop();
}

std::string DemoServiceProcess::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

void DemoServiceProcess::SetFault(std::string_view query) const {
    const RawReply reply = RawGet(port_, "/control/fault?" + std::string(query));
    if (!reply.bytes.starts_with("HTTP/1.0 200 "))
        throw std::runtime_error("fault not accepted: " + std::string(query) + ": " + reply.bytes);
}

int DemoServiceProcess::Stop(std::chrono::milliseconds limit) {
    if (pid_ < 0) return -1;
    ::kill(pid_, SIGTERM);
    // The pipe reaches end of file when the process is gone.
    const auto end = Clock::now() + limit;
    char buffer[256];
    bool exited = false;
    while (WaitFor(stdout_, POLLIN, end)) {
        if (::read(stdout_, buffer, sizeof buffer) <= 0) {
            exited = true;
            break;
        }
    }
    if (!exited) ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    ::close(stdout_);
    stdout_ = -1;
    return exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace lookout::test
