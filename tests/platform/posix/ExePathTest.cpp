#include "platform/ExePath.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>

#include <cerrno>
#include <filesystem>

#include "platform/Exception.h"
#include "platform/Messages.h"
#include "tests/support/Child.h"

namespace lookout {
namespace {

TEST(ExecutableDirectory, IsThisBinarysFolderAndNeverTheWorkingDirectory) {
    const std::string dir = ExecutableDirectory();
    EXPECT_TRUE(std::filesystem::exists(dir + program_invocation_short_name)) << dir;
    // Without /proc the path cannot be read: an error, not "./".
    const int rc = test::RunInChild([] {
        if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("none", "/proc", "tmpfs", 0, nullptr) != 0)
            return test::kChildCannotSetUp;
        try {
            ExecutableDirectory();
        } catch (const EFileError& e) {
            return e.Message() == messages::FileCannotOpen("/proc/self/exe") ? 0 : 2;
        }
        return 1;
    });
    if (rc == test::kChildCannotSetUp) GTEST_SKIP() << "no mount namespace here";
    EXPECT_EQ(rc, 0);
}

}  // namespace
}  // namespace lookout
