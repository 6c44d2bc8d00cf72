// The lookout-status executable: its settings file, its exit statuses, the
// demo service and its faults, its time bound, notifications that are never
// answered, and SIGTERM in the middle of a fetch. Every wait is bounded.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "FakeNotifications.h"
#include "platform/Listener.h"
#include "tests/support/DemoService.h"
#include "tests/support/MsLeft.h"
#include "tests/support/TempDir.h"
#include "tests/net/TlsPeers.h"
#include "platform/AtomicFile.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct Outcome {
    int status = -1;  // waitpid's status
    std::string out, err;
};

// lookout-status as a child whose output can be awaited while it runs.
class StatusRun {
public:
    explicit StatusRun(std::vector<std::string> args) {
        int out[2], err[2];
        EXPECT_EQ(pipe2(out, O_CLOEXEC), 0);
        EXPECT_EQ(pipe2(err, O_CLOEXEC), 0);
        pid_ = fork();
        if (pid_ == 0) {
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
        fds_[0] = {out[0], POLLIN, 0};
        fds_[1] = {err[0], POLLIN, 0};
    }
    ~StatusRun() {
        if (pid_ > 0) Finish(0s);
    }
    pid_t Pid() const { return pid_; }

    // Reads until `text` has arrived on stdout (or stderr); false when the
    // output ended or the limit passed first.
    bool WaitFor(const std::string& text, bool onErr = false, std::chrono::milliseconds limit = 10s) {
        const std::string& seen = onErr ? outcome_.err : outcome_.out;
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (seen.find(text) == std::string::npos)
            if (!ReadSome(deadline)) return false;
        return true;
    }
    // Reads to the end of both outputs and reaps the child, which is killed
    // when it has not ended within the limit.
    Outcome Finish(std::chrono::milliseconds limit = 20s) {
        const auto begin = std::chrono::steady_clock::now();
        while (ReadSome(begin + limit)) {
        }
        if (fds_[0].fd >= 0 || fds_[1].fd >= 0) {
            if (limit > 0s) ADD_FAILURE() << "lookout-status did not end";
            kill(pid_, SIGKILL);
            for (pollfd& p : fds_) close(std::exchange(p.fd, -1));
        }
        waitpid(std::exchange(pid_, -1), &outcome_.status, 0);
        return outcome_;
    }

private:
    // One read from either output; false once both ended or the time is up.
    bool ReadSome(std::chrono::steady_clock::time_point deadline) {
        if (fds_[0].fd < 0 && fds_[1].fd < 0) return false;
        const int left = test::MsLeft(deadline);
        if (left <= 0 || poll(fds_, 2, left) <= 0) return false;
        std::string* into[] = {&outcome_.out, &outcome_.err};
        for (int i = 0; i < 2; ++i) {
            if (fds_[i].fd < 0 || !fds_[i].revents) continue;
            char buffer[4096];
            const ssize_t n = read(fds_[i].fd, buffer, sizeof buffer);
            if (n > 0) into[i]->append(buffer, std::size_t(n));
            else close(std::exchange(fds_[i].fd, -1));
        }
        return true;
    }

    pid_t pid_ = -1;
    pollfd fds_[2];
    Outcome outcome_;
};

// Runs lookout-status to its end; `during` is called with its pid once it
// started. A run that has not ended within the limit fails and is killed.
Outcome RunStatus(std::vector<std::string> args, const std::function<void(pid_t)>& during = {},
                  std::chrono::milliseconds limit = 20s) {
    StatusRun run(std::move(args));
    if (during) during(run.Pid());
    return run.Finish(limit);
}

bool Exited(const Outcome& outcome, int status) {
    return WIFEXITED(outcome.status) && WEXITSTATUS(outcome.status) == status;
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
        {{"--timeout", "0"}, "--timeout needs a whole number of seconds from 1 to "},
        {{"--prometheus=-", "--json"}, "--prometheus - takes standard output"},
        {{"--watch", "--listen", "0.0.0.0:9100"}, "--listen 0.0.0.0:9100 is not a loopback address: add --listen-any"},
        {{"--listen", "127.0.0.1:9100"}, "--listen serves the watch's metrics, so it needs --watch"},
        {{"--watch", "--listen=[::1]:9100"}, "--listen needs ADDRESS:PORT, a numeric IPv4 address or localhost"},
        {{"--watch", "--listen", "localhost:0"}, "--listen needs ADDRESS:PORT"},
        {{"--watch", "--listen-any"}, "--listen-any needs --listen"},
        {{"--chart", "c.svg"}, "--chart needs --history FILE"},
        {{"--chart", "c.svg", "--history", "h.sqlite", "--server", "Game05"}, "--server needs a server key such as"},
        {{"--alert-after", "2"}, "--alert-after counts the watch's refreshes, so it needs --watch"},
        {{"--watch", "--alert-after", "0"}, "--alert-after needs a whole number of refreshes from 1 to 1000, not '0'"},
        {{"--report"}, "--report needs --history FILE"},
        {{"--history", "h.sqlite"}, "--history needs --watch, --report or --export"},
        {{"--export", "--history", "h.sqlite", "--since", "5y"}, "a period is a whole number and m, h or d"},
        {{"--report", "--history", (dir / "none.sqlite").string()}, "cannot open " + (dir / "none.sqlite").string()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Outcome outcome = RunStatus(c.args);
        EXPECT_TRUE(Exited(outcome, 3)) << outcome.status;
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
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 27) << table.out;
    EXPECT_TRUE(table.out.starts_with("SERVER ")) << table.out;
    EXPECT_EQ(table.out.find('\033'), std::string::npos) << "no colour into a pipe";
    EXPECT_EQ(table.err, "");
    const Outcome json = RunStatus({"--config=" + config, "--json"});
    const auto doc = nlohmann::json::parse(json.out);
    EXPECT_EQ(doc["source"], demo.BaseUrl() + "world1/status.txt");
    EXPECT_EQ(doc["servers"].size(), 26u);
}

TEST_F(ProgramTest, HttpsGivesTheCertificatesExpiryAndATlsFailureIsUnknown) {
    test::DemoServiceProcess demo;
    test::NginxFront front(demo.Port());
    const std::string metrics = (dir / "lookout.prom").string();
    const Outcome json = RunStatus({"--config", Settings(Lines(front.BaseUrl())), "--json", "--prometheus", metrics});
    EXPECT_TRUE(Exited(json, 0) || Exited(json, 1) || Exited(json, 2)) << json.err;
    const auto expires = nlohmann::json::parse(json.out)["certificate_expires"];
    ASSERT_TRUE(expires.is_string()) << json.out;
    EXPECT_EQ(expires.get<std::string>().size(), 25u) << expires;  // 2026-12-10T19:00:00+00:00
    const std::string scraped = ReadWholeFile(metrics);
    EXPECT_NE(scraped.find("\nlookout_tls_certificate_expiry_timestamp_seconds 1"), std::string::npos) << scraped;

    // The expired leaf from s_server: a failed status page, as any other.
    test::SServer expired("expired", {{"loadtime.txt", "HTTP/1.0 200 OK\r\n\r\n60"}});
    const std::string base = "https://localhost:" + std::to_string(expired.Port()) + "/";
    const Outcome nagios = RunStatus({"--config", Settings(Lines(base)), "--nagios", "--prometheus", metrics});
    EXPECT_TRUE(Exited(nagios, 3));
    EXPECT_TRUE(nagios.out.starts_with("LOOKOUT UNKNOWN - ")) << nagios.out;
    EXPECT_NE(nagios.out.find("Certificate Expired [certificate has expired]"), std::string::npos) << nagios.out;
    const std::string failed = ReadWholeFile(metrics);
    EXPECT_NE(failed.find("\nlookout_up 0\n"), std::string::npos) << failed;
    EXPECT_EQ(failed.find("lookout_tls_"), std::string::npos) << failed;
}

TEST_F(ProgramTest, SigtermEndsAWatchAtOnceInTheMiddleOfAFetch) {
    // A service that takes the connection and never answers.
    const Listener listener(0);
    const std::string config = Settings(Lines("http://127.0.0.1:" + std::to_string(listener.Port()) + "/"));
    int connection = -1;
    const Outcome outcome = RunStatus({"--config", config, "--watch"}, [&](pid_t pid) {
        pollfd ready{listener.Fd(), POLLIN, 0};
        ASSERT_EQ(poll(&ready, 1, 10000), 1) << "no fetch came";
        connection = accept(listener.Fd(), nullptr, nullptr);
        std::string request;
        char buffer[1024];
        for (ssize_t n; request.find("\r\n\r\n") == std::string::npos && (n = read(connection, buffer, sizeof buffer)) > 0;)
            request.append(buffer, std::size_t(n));
        kill(pid, SIGTERM);
    });
    EXPECT_TRUE(WIFSIGNALED(outcome.status) && WTERMSIG(outcome.status) == SIGTERM) << outcome.status;
    EXPECT_EQ(outcome.out + outcome.err, "");
    close(connection);
}

TEST_F(ProgramTest, TimeoutBoundsTheRunAndSidePagesNeverCostTheStatusPage) {
    test::DemoServiceProcess demo;
    const std::string config = Settings(Lines(demo.BaseUrl()));
    const struct {
        std::vector<const char*> silent;  // the paths that never answer
        int status;                       // the exit status; 0 to 2 for any table
        std::vector<std::string> named;   // on stderr, one line each
    } cases[] = {
        {{"/status.txt"}, 3, {"cannot read the status page " + demo.BaseUrl() + "world1/status.txt: Request Timed Out"}},
        {{"/loadtime.txt", "/ipmap/world1", "/party.txt"},
         0,
         {"world1/loadtime.txt: Request Timed Out)", "ipmap/world1: Request Timed Out)",
          "cannot read the party page " + demo.BaseUrl() + "world1/party.txt: Request Timed Out"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.silent.front());
        demo.SetFault("mode=normal");
        for (const char* path : c.silent) demo.SetFault(std::string("mode=silent&path=") + path);
        // Ended by the one second asked for: the watchdog kills a run that the
        // default of ten would end.
        const Outcome outcome = RunStatus({"--config", config, "--timeout", "1"}, {}, 8s);
        ASSERT_TRUE(WIFEXITED(outcome.status));
        if (c.status == 3) {
            EXPECT_EQ(WEXITSTATUS(outcome.status), 3);
            EXPECT_EQ(outcome.out, "");
        } else {
            EXPECT_LE(WEXITSTATUS(outcome.status), 2);
            EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 27) << outcome.out;
        }
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), std::ptrdiff_t(c.named.size())) << outcome.err;
        for (const std::string& line : c.named) EXPECT_NE(outcome.err.find(line + "\n"), std::string::npos) << line;
    }
}

TEST_F(ProgramTest, NotificationsNeverHoldUpTheWatch) {
    test::DemoServiceProcess demo({"--interval", "1"});
    const std::string config = Settings(Lines(demo.BaseUrl()));
    {
        test::FakeNotifications none(test::FakeNotifications::Mode::Absent);
        const Outcome outcome = RunStatus({"--config", config, "--notify"});
        EXPECT_TRUE(Exited(outcome, 3)) << outcome.status;
        EXPECT_EQ(outcome.err, "lookout-status: no desktop notification service "
                               "(org.freedesktop.Notifications is not on the session bus)\n");
        EXPECT_EQ(outcome.out, "");
    }
    test::FakeNotifications silent(test::FakeNotifications::Mode::Silent);
    StatusRun watch({"--config", config, "--notify", "--timeout", "1"});
    ASSERT_TRUE(watch.WaitFor("GameServer15 "));
    // Every server goes missing: a notification the service takes and keeps.
    demo.SetFault("mode=empty&path=/status.txt");
    ASSERT_TRUE(watch.WaitFor(" -> missing"));
    EXPECT_EQ(silent.WaitFor(1).size(), 1u);
    demo.SetFault("mode=normal");
    EXPECT_TRUE(watch.WaitFor("GameServer15 state missing -> ")) << "the watch goes on refreshing";
    EXPECT_TRUE(watch.WaitFor("did not answer within 1 s", true));
    kill(watch.Pid(), SIGTERM);
    const Outcome outcome = watch.Finish(1s);
    EXPECT_TRUE(WIFSIGNALED(outcome.status) && WTERMSIG(outcome.status) == SIGTERM) << outcome.status;
    EXPECT_EQ(outcome.err, "lookout-status: the desktop notification service did not answer within 1 s; "
                           "the watch goes on, later failures unreported\n");
}

}  // namespace
}  // namespace lookout
