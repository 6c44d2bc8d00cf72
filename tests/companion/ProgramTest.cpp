// The lookout-status executable: its settings file, its exit statuses, the
// demo service, and SIGTERM in the middle of a fetch. Every wait is bounded.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "tests/support/DemoService.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Outcome {
    int status = -1;  // waitpid's status
    std::string out, err;
};

// Runs lookout-status; `during` is called with its pid once it started.
Outcome RunStatus(std::vector<std::string> args, const std::function<void(pid_t)>& during = {}) {
    int out[2], err[2];
    EXPECT_EQ(pipe(out), 0);
    EXPECT_EQ(pipe(err), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        dup2(err[1], 2);
        std::vector<char*> argv{const_cast<char*>(LOOKOUT_STATUS_PATH)};
        for (auto& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    if (during) during(pid);
    Outcome outcome;
    pollfd fds[] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* into[] = {&outcome.out, &outcome.err};
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    for (int open = 2; open > 0;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= 0ms || poll(fds, 2, int(left.count())) <= 0) {
            ADD_FAILURE() << "lookout-status did not end";
            kill(pid, SIGKILL);
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents) continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                into[i]->append(buffer, std::size_t(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    waitpid(pid, &outcome.status, 0);
    return outcome;
}

class ProgramTest : public ::testing::Test {
protected:
    std::string Settings(const std::string& text) {
        std::ofstream(dir / "SERVER.INI", std::ios::binary) << text;
        return dir / "SERVER.INI";
    }
    static std::string Lines(const std::string& base) { return "0\r\n0\r\n" + base + "\r\n" + base + "ipmap/\r\nworld1\r\n"; }

    test::TempDir temp{"lookout-status-test"};
    fs::path dir = temp.Path();
};

TEST_F(ProgramTest, SettingsAndArgumentFailuresExitWithThreeAndOneLine) {
    const std::string shortFile = Settings("0\r\n0\r\nhttp://127.0.0.1:1/\r\n");
    const struct {
        std::vector<std::string> args;
        std::string line;
    } cases[] = {
        {{"--config", (dir / "none.ini").string()}, "cannot read the settings " + (dir / "none.ini").string() + ": "},
        {{"--config", shortFile}, "cannot read the settings " + shortFile + ": "},
        {{"--bogus"}, "unknown argument '--bogus'"},
        {{"--json", "--watch"}, "--json cannot be combined"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Outcome outcome = RunStatus(c.args);
        EXPECT_TRUE(WIFEXITED(outcome.status) && WEXITSTATUS(outcome.status) == 3) << outcome.status;
        EXPECT_TRUE(outcome.err.starts_with("lookout-status: " + c.line)) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    EXPECT_FALSE(fs::exists(dir / "none.ini")) << "never created";
}

TEST_F(ProgramTest, DemoServiceGivesTheTableAndTheJson) {
    test::DemoServiceProcess demo;
    const std::string config = Settings(Lines(demo.BaseUrl()));
    const Outcome table = RunStatus({"--config", config});
    ASSERT_TRUE(WIFEXITED(table.status)) << table.status;
    EXPECT_LE(WEXITSTATUS(table.status), 2);
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 26) << table.out;
    EXPECT_TRUE(table.out.starts_with("LoginServer ")) << table.out;
    EXPECT_EQ(table.err, "");
    const Outcome json = RunStatus({"--config=" + config, "--json"});
    const auto doc = nlohmann::json::parse(json.out);
    EXPECT_EQ(doc["source"], demo.BaseUrl() + "world1/status.txt");
    EXPECT_EQ(doc["servers"].size(), 26u);
}

TEST_F(ProgramTest, SigtermEndsAWatchAtOnceInTheMiddleOfAFetch) {
    // A service that takes the connection and never answers.
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const std::string config = Settings(Lines("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/"));
    int connection = -1;
    const Outcome outcome = RunStatus({"--config", config, "--watch"}, [&](pid_t pid) {
        pollfd ready{listener, POLLIN, 0};
        ASSERT_EQ(poll(&ready, 1, 10000), 1) << "no fetch came";
        connection = accept(listener, nullptr, nullptr);
        std::string request;
        char buffer[1024];
        for (ssize_t n; request.find("\r\n\r\n") == std::string::npos && (n = read(connection, buffer, sizeof buffer)) > 0;)
            request.append(buffer, std::size_t(n));
        kill(pid, SIGTERM);
    });
    EXPECT_TRUE(WIFSIGNALED(outcome.status) && WTERMSIG(outcome.status) == SIGTERM) << outcome.status;
    EXPECT_EQ(outcome.out + outcome.err, "");
    close(connection);
    close(listener);
}

}  // namespace
}  // namespace lookout
