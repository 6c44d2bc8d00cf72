// What a GET over TLS costs beside curl, from the same openssl s_server in
// the same run: with a full handshake each time (the server keeps no
// sessions) and resumed (each client resumes as it does by itself). Lines
// are "name: value"; an optional count of requests (default 200).
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "net/HttpClient.h"
#include "platform/PollPump.h"
#include "tests/net/TlsPeers.h"

using namespace lookout;
using Clock = std::chrono::steady_clock;

namespace {

double ClientMicros(const std::string& url, int n, std::size_t expectedBody) {
    PollPump pump;
    THttpClient http(pump);
    http.TimeOut = 20000;
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
        http.Get(url);
        if (http.Body.size() != expectedBody) std::abort();
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / n;
}

// curl's own per-transfer time, one process for the n transfers, which
// resumes its sessions unless the server keeps none.
double CurlMicros(const std::string& url, int n) {
    char config[] = "/tmp/tls_get_bench_XXXXXX";
    const int fd = ::mkstemp(config);
    if (fd < 0) return -1;
    std::string lines;
    for (int i = 0; i < n; ++i) lines += "url = \"" + url + "\"\noutput = \"/dev/null\"\n";
    const bool written = ::write(fd, lines.data(), lines.size()) == static_cast<ssize_t>(lines.size());
    ::close(fd);
    const std::string command =
        "curl -0 -s --cacert " + test::TestCaDir() + "/ca.pem -w '%{time_total}\\n' -K " + config;
    FILE* out = written ? ::popen(command.c_str(), "r") : nullptr;
    double total = 0;
    int count = 0;
    if (out) {
        for (double t; std::fscanf(out, "%lf", &t) == 1; ++count) total += t;
        ::pclose(out);
    }
    ::unlink(config);
    return count == 0 ? -1 : total * 1e6 / count;
}

void Measure(const char* kind, const std::vector<std::string>& serverOptions, int n, const char* target) {
    const std::string body(2048, 'x');
    test::SServer server("localhost", {{"page.txt", "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body}},
                         serverOptions);
    const std::string url = "https://localhost:" + std::to_string(server.Port()) + "/page.txt";
    ClientMicros(url, 5, body.size());  // warm-up: the trust store, the first session
    // The machine is shared: rounds alternate, and each side keeps its best.
    double client = 1e300, curl = 1e300;
    for (int r = 0; r < 5; ++r) {
        client = std::min(client, ClientMicros(url, n / 5, body.size()));
        const double c = CurlMicros(url, n / 5);
        if (c > 0) curl = std::min(curl, c);
    }
    if (curl == 1e300) {
        std::printf("TLS GET of a 2 KB page, %s, THttpClient: %.1f us (curl not available)\n", kind, client);
        return;
    }
    std::printf("TLS GET of a 2 KB page, %s, THttpClient: %.1f us, %.2fx curl's (target %s)\n", kind, client,
                client / curl, target);
    std::printf("TLS GET of a 2 KB page, %s, curl: %.1f us per transfer\n", kind, curl);
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 200;
    Measure("full handshake", {"-no_cache", "-no_ticket"}, n, "1.2x or better");
    Measure("resumed", {}, n, "below 1x");
    return 0;
}
