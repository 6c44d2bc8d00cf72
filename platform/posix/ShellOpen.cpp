#include "platform/ShellOpen.h"

#include <sys/wait.h>
#include <unistd.h>

namespace lookout {

void OpenWithDesktop(const std::string& target) {
    // Double fork: xdg-open may live as long as the browser it starts, and the
    // grandchild is reaped by init, so no zombie waits on us.
    const pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        if (fork() == 0) {
            execlp("xdg-open", "xdg-open", target.c_str(), static_cast<char*>(nullptr));
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace lookout
