#include "platform/SignalPipe.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "platform/Exception.h"
#include "platform/Socket.h"

namespace lookout {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM};
int g_writeFd = -1;
struct sigaction g_previous[2];

void OnSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full pipe already holds a signal for the loop to see.
    [[maybe_unused]] const ssize_t written = write(g_writeFd, &number, 1);
    errno = saved;
}

}  // namespace

SignalPipe::SignalPipe() {
    if (!SocketPair(fds_)) throw Exception(std::string("socketpair: ") + std::strerror(errno));
    g_writeFd = fds_[1];
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &action, &g_previous[i]);
}

SignalPipe::~SignalPipe() {
    for (int i = 0; i < 2; ++i) sigaction(kSignals[i], &g_previous[i], nullptr);
    watch_ = SocketWatch();
    g_writeFd = -1;
    close(fds_[0]);
    close(fds_[1]);
}

void DieOfSignal(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    raise(signal);
    _exit(128 + signal);  // not reached
}

}  // namespace lookout
