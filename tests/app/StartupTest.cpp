// The program itself, started as a user starts it: a copy of the executable
// in a folder of its own beside a SERVER.INI. With a faulty file it shows only
// the error box, says on standard error which file failed and why, and exits
// 1 once the box is closed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, p)) out += buffer;
        pclose(p);
    }
    return out;
}

struct Startup : ::testing::Test {
    lookout::test::TempDir temp{"lookout-start"};
    fs::path dir = temp.Path();
    void SetUp() override { fs::copy_file(LOOKOUT_BINARY, dir / "lookout"); }
};

TEST_F(Startup, FaultySettingsShowOnlyTheErrorBoxSayWhyAndExitOne) {
    const std::string ini = (fs::canonical(dir) / "SERVER.INI").string();
    const struct {
        const char* bytes;  // nullptr: no file
        std::u8string message;
        std::string gloss;  // after it on stderr only
    } cases[] = {
        {nullptr, u8"ﾌｧｲﾙ @ は開けません", " (cannot open file @) (open: No such file or directory)"},
        {"1\r\n2\r\na\r\nb\r\n", u8"ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (4)", " (list index out of bounds (4))"},
        {"x\r\n2\r\na\r\nb\r\nc\r\n", u8"'x' は数値ではありません", " ('x' is not an integer)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "(no file)");
        fs::remove(ini);
        if (c.bytes) std::ofstream(ini, std::ios::binary) << c.bytes;
        const fs::path errors = dir / "stderr";
        // SIGCHLD is blocked so that the exit can be waited for with a limit.
        sigset_t childSignal;
        sigemptyset(&childSignal);
        sigaddset(&childSignal, SIGCHLD);
        pthread_sigmask(SIG_BLOCK, &childSignal, nullptr);
        // Started from another working directory: only the executable's folder counts.
        const pid_t pid = fork();
        if (pid == 0) {
            pthread_sigmask(SIG_UNBLOCK, &childSignal, nullptr);
            if (!freopen(errors.c_str(), "w", stderr) || chdir("/") != 0) _exit(126);
            execl((dir / "lookout").c_str(), "lookout", static_cast<char*>(nullptr));
            _exit(127);
        }
        // xdotool waits for the window itself; `timeout` is the watchdog.
        const std::string windows =
            Shell("timeout 20 xdotool search --sync --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null");
        ASSERT_FALSE(windows.empty()) << "no window appeared";
        const std::string id = windows.substr(0, windows.find('\n'));
        EXPECT_EQ(windows.find('\n'), windows.size() - 1) << "exactly one window: " << windows;
        EXPECT_EQ(Shell("xdotool getwindowname " + id), "Lookout 050504\n");
        EXPECT_EQ(Shell("xdotool getwindowgeometry " + id).find("600x64"), std::string::npos)
            << "the main window is not shown";
        Shell("xdotool key --window " + id + " Return");
        int status = -1;
        const timespec limit{10, 0};  // watchdog for the exit
        while (waitpid(pid, &status, WNOHANG) == 0 && sigtimedwait(&childSignal, nullptr, &limit) > 0) {
        }
        if (waitpid(pid, &status, WNOHANG) == 0) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            FAIL() << "the program did not end after the error box closed";
        }
        EXPECT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1);
        std::string message(c.message.begin(), c.message.end()), gloss = c.gloss;
        for (std::string* text : {&message, &gloss})
            if (auto at = text->find('@'); at != std::string::npos) text->replace(at, 1, ini);
        std::ifstream in(errors);
        const std::string written{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(written, "lookout: " + ini + ": " + message + gloss + "\n");
    }
}

}  // namespace
