#pragma once
// Runs part of a test in a forked child, for what must not touch the test
// process itself: dropped privileges, a mount namespace of its own.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace lookout::test {

// Exit status of a child that could not set up what the test needs.
inline constexpr int kChildCannotSetUp = 77;

// The body's return value as the child's exit status, or -1 when the child
// did not exit normally. gtest macros in the body do not reach the parent.
// A child that hangs is killed by its alarm.
inline int RunInChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(30);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace lookout::test
