#include "tests/net/PeerProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "tests/support/TempDir.h"

extern char** environ;

namespace lookout::test {

const std::string& TestCaDir() {
    static const TempDir dir("lookout-test-ca");
    static const std::string path = [] {
        const std::string command = "bash " LOOKOUT_TEST_CA_SCRIPT " " + dir.String();
        if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot make the test CA");
        ::setenv("SSL_CERT_FILE", (dir.Path() / "ca.pem").c_str(), 1);
        return dir.String();
    }();
    return path;
}

struct PeerProcess::Child {
    pid_t pid = -1;
    int output = -1;  // the read end of its stream
    int input = -1;   // the write end of its standard input
    ~Child() {
        for (const int fd : {output, input})
            if (fd >= 0) ::close(fd);
        if (pid < 0) return;
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }
};

PeerProcess::PeerProcess(const std::vector<std::string>& argv, const std::string& dir, Stream stream,
                         const std::string& ready)
    : child_(std::make_unique<Child>()), name_(argv[0]) {
    int out[2], in[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    child_->output = out[0];
    if (::pipe2(in, O_CLOEXEC) != 0) {
        ::close(out[1]);
        throw std::runtime_error("pipe");
    }
    child_->input = in[1];

    // Its stream on the pipe, its other one on /dev/null.
    const int onto = stream == Stream::Out ? STDOUT_FILENO : STDERR_FILENO;
    std::vector<std::string> args = argv;
    std::vector<char*> cargv;
    for (auto& a : args) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO + STDERR_FILENO - onto, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], onto);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    const int rc = ::posix_spawnp(&child_->pid, cargv[0], &actions, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(in[0]);
    if (rc != 0) {
        child_->pid = -1;
        throw std::runtime_error("cannot start " + name_);
    }
    ReadUntil(ready);
}

PeerProcess::~PeerProcess() = default;

bool PeerProcess::ReadMore() {
    pollfd entry{child_->output, POLLIN, 0};
    char block[512];
    const ssize_t got = ::poll(&entry, 1, 10000) == 1 ? ::read(child_->output, block, sizeof block) : -1;
    if (got <= 0) return false;
    text_.append(block, static_cast<std::size_t>(got));
    return true;
}

}  // namespace lookout::test
