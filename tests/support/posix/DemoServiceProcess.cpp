// The demo service as a child process on POSIX systems: posix_spawn with its
// stdout on a pipe, SIGTERM to stop it.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

#include "tests/support/DemoService.h"

extern char** environ;

namespace lookout::test {

struct DemoServiceProcess::Child {
    pid_t pid = -1;
    int output = -1;  // the child's stdout: its close tells that it exited
};

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

DemoServiceProcess::DemoServiceProcess(std::vector<std::string> args, std::chrono::milliseconds limit)
    : child_(std::make_unique<Child>()) {
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
    const int rc = ::posix_spawn(&child_->pid, cargv[0], &actions, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    child_->output = pipeFds[0];
    if (rc != 0) {
        child_->pid = -1;
        throw std::runtime_error(std::string("cannot start ") + cargv[0] + ": " + std::strerror(rc));
    }

    // The ready line comes after the port file is in place.
    const auto end = Clock::now() + limit;
    std::string line;
    while (line.find('\n') == std::string::npos) {
        char buffer[256];
        if (!WaitFor(child_->output, POLLIN, end)) {
            Stop();
            throw std::runtime_error("the demo service printed no ready line in time");
        }
        const ssize_t n = ::read(child_->output, buffer, sizeof buffer);
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

DemoServiceProcess::~DemoServiceProcess() { Stop(); }

int DemoServiceProcess::Stop(std::chrono::milliseconds limit) {
    if (child_->pid < 0) return -1;
    ::kill(child_->pid, SIGTERM);
    // The pipe reaches end of file when the process is gone.
    const auto end = Clock::now() + limit;
    char buffer[256];
    bool exited = false;
    while (WaitFor(child_->output, POLLIN, end)) {
        if (::read(child_->output, buffer, sizeof buffer) <= 0) {
            exited = true;
            break;
        }
    }
    if (!exited) ::kill(child_->pid, SIGKILL);
    int status = 0;
    ::waitpid(child_->pid, &status, 0);
    child_->pid = -1;
    ::close(child_->output);
    child_->output = -1;
    return exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace lookout::test
