// How much a GET costs beside the bare socket calls and beside curl, and what
// a long wait costs the waiting thread. Prints ratios; run with an optional
// count of requests (default 2000). Lines are "name: value".
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "net/HttpClient.h"
#include "platform/LoopbackAddress.h"
#include "platform/PollPump.h"

using namespace lookout;
using Clock = std::chrono::steady_clock;

namespace {

// A plain blocking server on its own thread: reads a request, waits `late`,
// sends the page, closes. The same for every client measured.
class PageServer {
public:
    PageServer(std::string reply, std::chrono::milliseconds late) : reply_(std::move(reply)), late_(late) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = LoopbackAddress(0);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listener_, 128);
        socklen_t size = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &size);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~PageServer() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        ::close(listener_);
    }
    int Port() const { return port_; }

private:
    void Serve() {
        while (!stop_) {
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0) return;
            std::string request;
            char block[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t got = ::recv(fd, block, sizeof block, 0);
                if (got <= 0) break;
                request.append(block, static_cast<std::size_t>(got));
            }
            if (late_.count() > 0) std::this_thread::sleep_for(late_);
            ::send(fd, reply_.data(), reply_.size(), MSG_NOSIGNAL);
            ::close(fd);
        }
    }
    std::string reply_;
    std::chrono::milliseconds late_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

double RawLoopMicros(int port, int n) {
    const std::string request = "GET / HTTP/1.0\r\n\r\n";
    const sockaddr_in a = LoopbackAddress(port);
    char block[16384];
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        ::connect(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
        ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
        while (::recv(fd, block, sizeof block, 0) > 0) {
        }
        ::close(fd);
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / n;
}

double ClientMicros(int port, int n, std::size_t expectedBody) {
    PollPump pump;
    THttpClient http(pump);
    http.TimeOut = 20000;
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + "/page.txt";
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
        http.Get(url);
        if (http.Body.size() != expectedBody) std::abort();
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / n;
}

// curl's own per-transfer time: one process, the URL n times (from a config
// file, as n URLs overflow a command line).
double CurlMicros(int port, int n) {
    char config[] = "/tmp/net_get_bench_XXXXXX";
    const int fd = ::mkstemp(config);
    if (fd < 0) return -1;
    std::string lines;
    for (int i = 0; i < n; ++i)
        lines += "url = \"http://127.0.0.1:" + std::to_string(port) + "/page.txt\"\noutput = \"/dev/null\"\n";
    const bool written = ::write(fd, lines.data(), lines.size()) == static_cast<ssize_t>(lines.size());
    ::close(fd);
    const std::string command = "curl -0 -s -w '%{time_total}\\n' -K " + std::string(config);
    FILE* out = written ? ::popen(command.c_str(), "r") : nullptr;
    if (out == nullptr) {
        ::unlink(config);
        return -1;
    }
    if (out == nullptr) return -1;
    double total = 0;
    int count = 0;
    for (double t; std::fscanf(out, "%lf", &t) == 1; ++count) total += t;
    ::pclose(out);
    ::unlink(config);
    return count == 0 ? -1 : total * 1e6 / count;
}

// Counts the times the waiting thread came back from the pump.
class CountingPump : public Pump {
public:
    TimerId StartTimer(std::chrono::milliseconds d, std::function<void()> f) override {
        return inner.StartTimer(d, std::move(f));
    }
    void StopTimer(TimerId id) override { inner.StopTimer(id); }
    SocketWatch Watch(int fd, unsigned w, std::function<void(unsigned)> f) override {
        return inner.Watch(fd, w, std::move(f));
    }
    void WaitOnce() override {
        ++wakeups;
        inner.WaitOnce();
    }
    PollPump inner;
    long wakeups = 0;
};

struct ThreadCost {
    double cpuMs;
    long switches;
};

ThreadCost Cost(const rusage& a, const rusage& b) {
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {ms(b.ru_utime) - ms(a.ru_utime) + ms(b.ru_stime) - ms(a.ru_stime), b.ru_nvcsw - a.ru_nvcsw};
}

void LateServerWait(const std::string& reply) {
    const auto late = std::chrono::seconds(5);
    PageServer server(reply, late);
    CountingPump pump;
    THttpClient http(pump);
    http.TimeOut = 20000;
    rusage before{}, after{};
    ::getrusage(RUSAGE_THREAD, &before);
    http.Get("http://127.0.0.1:" + std::to_string(server.Port()) + "/page.txt");
    ::getrusage(RUSAGE_THREAD, &after);
    const ThreadCost get = Cost(before, after);

    // What the 2 ms sleep-and-poll loop costs for the same wait.
    long loops = 0;
    ::getrusage(RUSAGE_THREAD, &before);
    const auto end = Clock::now() + late;
    while (Clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        ++loops;
    }
    ::getrusage(RUSAGE_THREAD, &after);
    const ThreadCost poll = Cost(before, after);

    // One "name: value" line each, the form the benchmark summary reads.
    std::printf("wait for a 5 s late answer, THttpClient::Get: %ld wakeups, %ld voluntary switches, %.2f ms CPU\n",
                pump.wakeups, get.switches, get.cpuMs);
    std::printf("wait for a 5 s late answer, 2 ms sleep-and-poll: %ld wakeups, %ld voluntary switches, %.2f ms CPU\n",
                loops, poll.switches, poll.cpuMs);
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 2000;
    const std::string body(2048, 'x');
    const std::string reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body;
    {
        PageServer server(reply, std::chrono::milliseconds(0));
        ClientMicros(server.Port(), 50, body.size());  // warm-up
        // The machine is shared: rounds alternate, and each side keeps its
        // best round.
        const int rounds = 5;
        double floor = 1e300, client = 1e300, curl = 1e300;
        for (int r = 0; r < rounds; ++r) {
            floor = std::min(floor, RawLoopMicros(server.Port(), n / rounds));
            client = std::min(client, ClientMicros(server.Port(), n / rounds, body.size()));
            curl = std::min(curl, CurlMicros(server.Port(), n / rounds));
        }
        std::printf("GET of a 2 KB page, THttpClient, %d requests, a fresh connection each: %.1f us, %.2fx the floor "
                    "(target 1.5x or better)\n",
                    n, client, client / floor);
        std::printf("raw connect/send/recv/close loop (the floor): %.1f us\n", floor);
        if (curl > 0)
            std::printf("curl -0, time_total per transfer: %.1f us, %.2fx the floor\n", curl, curl / floor);
        else
            std::printf("curl -0, time_total per transfer: curl not available\n");
    }
    LateServerWait(reply);
    return 0;
}
