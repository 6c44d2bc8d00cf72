// Starts a program and watches the X server for its window:
//   lookout-map-watch [--caption TEXT] [--idle SECONDS] PROGRAM [ARGS...]
// prints, as "name<TAB>value" lines,
//   startup_ms   from the fork to the MapNotify of its first top-level window
//   startup_cpu_ms   the processor time it had used by then, which a loaded
//                machine disturbs far less than the time on the clock
//   rss_kib      its VmRSS once that window's title holds TEXT (at once
//                without --caption)
//   idle_cpu_ms, idle_wakeups   over the next SECONDS (with --idle)
// and ends the program. Watching the root window's substructure sees the map
// as the server makes it, with no polling. Fails after 30 s without an answer.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

double NowMs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "lookout-map-watch: %s\n", what);
    std::exit(1);
}

// The next event, waiting on the connection until the deadline.
void NextEvent(Display* display, XEvent& event, double deadline) {
    while (!XPending(display)) {
        const double left = deadline - NowMs();
        if (left <= 0) Fail("no answer from the program in time");
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left) + 1);
    }
    XNextEvent(display, &event);
}

std::string Title(Display* display, Window window) {
    std::string title;
    for (const char* name : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, AnyPropertyType,
                               &type, &format, &items, &after, &data) == Success &&
            data) {
            title.append(reinterpret_cast<char*>(data), items);
            XFree(data);
        }
    }
    return title;
}

// A field of /proc/PID/status, in the units it is given in.
long StatusField(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::size_t n = std::strlen(field);
    while (std::getline(status, line))
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':') return std::atol(line.c_str() + n + 1);
    Fail("the program's status cannot be read");
}

// Time spent running, from the scheduler: exact, unlike the ticks of stat.
double RunMs(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double ns = 0;
    if (!(schedstat >> ns)) Fail("the program's schedstat cannot be read");
    return ns / 1e6;
}

// User and system time in clock ticks (fields 14 and 15 of /proc/PID/stat,
// counted after the name in parentheses).
long CpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t close = all.rfind(')');
    unsigned long user = 0, system = 0;
    if (close == std::string::npos ||
        std::sscanf(all.c_str() + close + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user, &system) != 2)
        Fail("the program's stat cannot be read");
    return static_cast<long>(user + system);
}

}  // namespace

int main(int argc, char** argv) {
    const char* caption = nullptr;
    int idleSeconds = 0;
    int arg = 1;
    for (; arg + 1 < argc && argv[arg][0] == '-'; arg += 2) {
        if (std::strcmp(argv[arg], "--caption") == 0) caption = argv[arg + 1];
        else if (std::strcmp(argv[arg], "--idle") == 0) idleSeconds = std::atoi(argv[arg + 1]);
        else Fail("unknown option");
    }
    if (arg >= argc) Fail("usage: lookout-map-watch [--caption TEXT] [--idle SECONDS] PROGRAM [ARGS...]");

    // An X server resets when its last client leaves, as the program run
    // before has just done; a connection made meanwhile is dropped.
    Display* display = nullptr;
    for (int attempt = 0; attempt < 100 && !display; ++attempt) {
        if (attempt > 0) usleep(10000);
        display = XOpenDisplay(nullptr);
    }
    if (!display) Fail("cannot open the display");
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child < 0) Fail("fork failed");
    if (child == 0) {
        close(ConnectionNumber(display));
        execv(argv[arg], argv + arg);
        _exit(127);
    }

    const double deadline = start + 30000;
    XEvent event;
    Window window = 0;
    while (!window) {
        NextEvent(display, event, deadline);
        if (event.type == MapNotify && !event.xmap.override_redirect) window = event.xmap.window;
    }
    const double mapped = NowMs();
    std::printf("startup_ms\t%.1f\n", mapped - start);
    std::printf("startup_cpu_ms\t%.1f\n", RunMs(child));

    if (caption) {
        XSelectInput(display, window, PropertyChangeMask);
        XSync(display, False);
        while (Title(display, window).find(caption) == std::string::npos) {
            do NextEvent(display, event, deadline);
            while (event.type != PropertyNotify);
        }
    }
    std::printf("rss_kib\t%ld\n", StatusField(child, "VmRSS"));

    if (idleSeconds > 0) {
        const long cpu0 = CpuTicks(child);
        const long wake0 = StatusField(child, "voluntary_ctxt_switches") + StatusField(child, "nonvoluntary_ctxt_switches");
        sleep(static_cast<unsigned>(idleSeconds));
        const long cpu1 = CpuTicks(child);
        const long wake1 = StatusField(child, "voluntary_ctxt_switches") + StatusField(child, "nonvoluntary_ctxt_switches");
        std::printf("idle_cpu_ms\t%ld\n", (cpu1 - cpu0) * 1000 / sysconf(_SC_CLK_TCK));
        std::printf("idle_wakeups\t%ld\n", wake1 - wake0);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
