// The processor time of the window's wait for a late answer under Windows:
// a GET that the demo service answers after 5 s, through the program's pump
// (a thread blocked in WSAPoll, toolkit/windows/FltkSockets.cpp) or through
// FLTK's own socket watch (Fl::add_fd, which FLTK's Windows loop polls every
// millisecond); or 5 s of the same window idle, the floor. One of the three
// a run, so that the caller can also count the Wine server's time per run.
//   lookout-pump-wait PORT idle|pump|add_fd
#include <windows.h>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "net/HttpClient.h"
#include "platform/Socket.h"
#include "platform/SocketWatches.h"
#include "toolkit/FltkPump.h"

namespace {

using namespace lookout;

constexpr int kLateMs = 5000;

// The program's pump with FLTK's own socket watch in place of the waiter
// thread: the baseline.
class AddFdPump : public Pump {
public:
    TimerId StartTimer(std::chrono::milliseconds delay, std::function<void()> onFire) override {
        return timers_.StartTimer(delay, std::move(onFire));
    }
    void StopTimer(TimerId id) override { timers_.StopTimer(id); }
    SocketWatch Watch(SocketHandle socket, unsigned wanted, std::function<void(unsigned)> onReady) override {
        return watches_.Add(socket, wanted, std::move(onReady));
    }
    void WaitOnce() override { timers_.WaitOnce(); }

private:
    void Changed(SocketHandle socket, unsigned wanted) {
        Fl::remove_fd(socket);
        if (wanted != 0)
            Fl::add_fd(socket, (wanted & kReadable ? FL_READ : 0) | (wanted & kWritable ? FL_WRITE : 0),
                       &AddFdPump::OnFd, this);
    }
    static void OnFd(FL_SOCKET fd, void* data) { static_cast<AddFdPump*>(data)->watches_.DispatchIfReady(fd); }

    FltkPump timers_;
    SocketWatches watches_{[this](SocketHandle socket, unsigned wanted) { Changed(socket, wanted); }};
};

double ProcessCpuMs() {
    FILETIME created, exited, kernel, user;
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 1e4;  // 100 ns ticks
}

void LateGet(Pump& pump, const std::string& base) {
    THttpClient http(pump);
    http.TimeOut = 20000;
    http.Get(base + "world1/loadtime.txt");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: lookout-pump-wait PORT idle|pump|add_fd\n", stderr);
        return 2;
    }
    const std::string base = "http://127.0.0.1:" + std::string(argv[1]) + "/";
    const std::string mode = argv[2];
    Fl_Window window(200, 60, "pump wait");
    window.show();
    while (!window.visible()) Fl::wait();
    try {
        FltkPump pump;
        THttpClient control(pump);
        control.Get(base + "control/fault?mode=slow&ms=" + std::to_string(kLateMs) + "&path=/loadtime.txt");
        const auto wallStart = std::chrono::steady_clock::now();
        const double cpuStart = ProcessCpuMs();
        if (mode == "idle") {
            bool due = false;
            pump.StartTimer(std::chrono::milliseconds(kLateMs), [&] { due = true; });
            while (!due) pump.WaitOnce();
        } else if (mode == "pump") {
            LateGet(pump, base);
        } else if (mode == "add_fd") {
            AddFdPump baseline;
            LateGet(baseline, base);
        } else {
            std::fprintf(stderr, "lookout-pump-wait: unknown mode %s\n", mode.c_str());
            return 2;
        }
        const double cpu = ProcessCpuMs() - cpuStart;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        std::printf("%s %.1f %.2f\n", mode.c_str(), cpu, wall);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lookout-pump-wait: %s\n", e.what());
        return 1;
    }
}
