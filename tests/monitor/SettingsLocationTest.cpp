#include "monitor/SettingsLocation.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "monitor/Settings.h"
#include "monitor/posix/SameDirectory.h"
#include "platform/AtomicFile.h"
#include "platform/Exception.h"
#include "platform/ExePath.h"
#include "platform/Messages.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;

class SettingsLocation : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.String();
        site_ = dir_ + "/site.ini";
        user_ = dir_ + "/home/.config/lookout/";
    }
    void WriteSite(const std::string& bytes) { std::ofstream(site_, std::ios::binary) << bytes; }
    test::TempDir temp_{"lookout-location"};
    std::string dir_, site_, user_;
};

struct EnvVar {
    const char* name;
    const char* value;  // nullptr: unset
};

void Set(const EnvVar& v) {
    if (v.value) setenv(v.name, v.value, 1);
    else unsetenv(v.name);
}

TEST_F(SettingsLocation, UserFolderFollowsXdgConfigHomeOrHome) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = xdg ? xdg : "", savedHome = std::getenv("HOME") ? std::getenv("HOME") : "/";
    const bool hadXdg = xdg != nullptr;
    const struct {
        const char* xdg;
        const char* home;
        std::string expected;
    } cases[] = {
        {"/cfg", "/h", "/cfg/lookout/"},
        {nullptr, "/h", "/h/.config/lookout/"},
        {"", "/h", "/h/.config/lookout/"},
        {"relative/cfg", "/h", "/h/.config/lookout/"},  // invalid by the XDG rules
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xdg ? c.xdg : "(unset)");
        Set({"XDG_CONFIG_HOME", c.xdg});
        Set({"HOME", c.home});
        EXPECT_EQ(UserSettingsDirectory(), c.expected);
    }
    // A build's executable is never the installed one, whatever the environment says.
    EXPECT_EQ(SettingsPath(), ExecutableDirectory() + "SERVER.INI");
    Set({"XDG_CONFIG_HOME", hadXdg ? savedXdg.c_str() : nullptr});
    Set({"HOME", savedHome.c_str()});
}

TEST_F(SettingsLocation, SameDirectoryFollowsLinks) {
    fs::create_directory(dir_ + "/bin");
    fs::create_directory_symlink(dir_ + "/bin", dir_ + "/link");
    EXPECT_TRUE(SameDirectory(dir_ + "/link/", dir_ + "/bin"));
    EXPECT_FALSE(SameDirectory(dir_ + "/bin", dir_));
    EXPECT_FALSE(SameDirectory(dir_ + "/missing", dir_ + "/missing"));
}

TEST_F(SettingsLocation, FirstStartCopiesTheSiteDefaultAndLaterStartsKeepTheUsersFile) {
    const std::string site = "1\r\n2\r\nhttp://site/\r\nhttp://site/map/\r\nw\r\n";
    WriteSite(site);
    CreateUserSettings(user_, site_);
    EXPECT_EQ(ReadWholeFile(user_ + "SERVER.INI"), site);
    EXPECT_EQ(fs::status(user_).permissions() & fs::perms::all, fs::perms::owner_all);

    std::ofstream(user_ + "SERVER.INI", std::ios::binary | std::ios::trunc) << "mine";
    WriteSite("changed by the administrator");
    CreateUserSettings(user_, site_);
    EXPECT_EQ(ReadWholeFile(user_ + "SERVER.INI"), "mine");
}

TEST_F(SettingsLocation, MissingSiteDefaultIsNamedAndNothingIsMade) {
    try {
        CreateUserSettings(user_, site_);
        ADD_FAILURE() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ(e.Message(), messages::FileCannotOpen(site_));
    }
    EXPECT_FALSE(fs::exists(dir_ + "/home"));
}

// Three first starts at once, many times: every one succeeds and finds the
// whole file, and no temporary file stays behind.
TEST_F(SettingsLocation, SimultaneousFirstStartsAllSeeTheWholeFile) {
    // Large enough that a file written in place is caught half-way.
    std::string site;
    for (int i = 0; site.size() < 1024 * 1024; ++i) site += "line " + std::to_string(i) + "\r\n";
    WriteSite(site);
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        fs::remove_all(dir_ + "/home");
        int gate[2];
        ASSERT_EQ(pipe(gate), 0);
        pid_t children[3];
        for (pid_t& child : children) {
            child = fork();
            if (child == 0) {
                alarm(20);  // watchdog: a hang ends the child with a failure
                close(gate[1]);
                char c;
                (void)!read(gate[0], &c, 1);  // all three start when the gate closes
                try {
                    CreateUserSettings(user_, site_);
                    _exit(ReadWholeFile(user_ + "SERVER.INI") == site ? 0 : 1);
                } catch (...) {
                    _exit(2);
                }
            }
        }
        close(gate[0]);
        close(gate[1]);
        for (pid_t child : children) {
            int status = -1;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(user_), fs::directory_iterator()), 1);
    }
}

}  // namespace
}  // namespace lookout
