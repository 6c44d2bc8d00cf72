#include "TlsPeers.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/LoopbackAddress.h"

extern char** environ;

namespace lookout::test {

namespace {

// A child from argv in folder `dir`, with `out` as its stream `onto`
// (stdout or stderr) and /dev/null for the others.
pid_t Spawn(std::vector<std::string> argv, const std::string& dir, int out, int onto) {
    std::vector<char*> cargv;
    for (auto& a : argv) cargv.push_back(a.data());
    cargv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO + STDERR_FILENO - onto, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out, onto);
    posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    pid_t pid = -1;
    const int rc = ::posix_spawnp(&pid, cargv[0], &actions, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

// Starts the child with `onto` on a pipe and reads that until it has
// written `ready` and a line end; the rest of its text goes nowhere.
pid_t SpawnUntil(const std::vector<std::string>& argv, const std::string& dir, int onto, const std::string& ready,
                 std::string& text) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_t pid = -1;
    try {
        pid = Spawn(argv, dir, out[1], onto);
    } catch (...) {
        ::close(out[0]);
        ::close(out[1]);
        throw;
    }
    ::close(out[1]);
    for (std::size_t at; (at = text.find(ready)) == std::string::npos || text.find('\n', at) == std::string::npos;) {
        pollfd entry{out[0], POLLIN, 0};
        char block[512];
        const ssize_t got = ::poll(&entry, 1, 10000) == 1 ? ::read(out[0], block, sizeof block) : -1;
        if (got <= 0) {
            ::close(out[0]);
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            throw std::runtime_error(argv[0] + " did not start: " + text);
        }
        text.append(block, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    return pid;
}

void Stop(pid_t pid) {
    if (pid < 0) return;
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
}

}  // namespace

const std::string& TestCaDir() {
    static const TempDir dir("lookout-test-ca");
    static const std::string path = [] {
        const std::string command = "bash " LOOKOUT_TEST_CA_SCRIPT " " + dir.String();
        if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot make the test CA");
        ::setenv("SSL_CERT_FILE", (dir.Path() / "ca.pem").c_str(), 1);
        return dir.String();
    }();
    return path;
}

SServer::SServer(const std::string& leaf, const std::vector<std::pair<std::string, std::string>>& files,
                 const std::vector<std::string>& extra) {
    for (const auto& [name, reply] : files) std::ofstream(dir_.Path() / name, std::ios::binary) << reply;
    const std::string ca = TestCaDir();
    std::vector<std::string> argv = {"openssl",
                                     "s_server",
                                     "-accept",
                                     "127.0.0.1:0",
                                     "-HTTP",
                                     "-cert",
                                     ca + "/" + leaf + ".pem",
                                     "-key",
                                     ca + "/" + leaf + ".key"};
    argv.insert(argv.end(), extra.begin(), extra.end());
    // "ACCEPT 127.0.0.1:PORT" once it listens; its stderr has its "FILE:" lines.
    std::string text;
    pid_ = SpawnUntil(argv, dir_.String(), STDOUT_FILENO, "ACCEPT 127.0.0.1:", text);
    port_ = std::atoi(text.c_str() + text.find("ACCEPT 127.0.0.1:") + 17);
}

SServer::~SServer() { Stop(pid_); }

NginxFront::NginxFront(int port) {
    const std::string ca = TestCaDir();
    // A port that was free a moment ago; nginx tells when it listens on it.
    const SocketHandle probe = OpenSocket(SOCK_STREAM);
    sockaddr_in address = LoopbackAddress(0);
    SocketLength size = sizeof address;
    if (::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("no free port for nginx");
    port_ = ntohs(address.sin_port);
    CloseSocket(probe);
    const std::string d = dir_.String();
    std::ofstream(dir_.Path() / "nginx.conf")
        << "daemon off; master_process off; worker_processes 1; pid " << d << "/nginx.pid;\n"
        << "error_log stderr notice;\nevents { worker_connections 64; }\n"
        << "http { access_log off; client_body_temp_path " << d << "; proxy_temp_path " << d << ";\n"
        << "  fastcgi_temp_path " << d << "; uwsgi_temp_path " << d << "; scgi_temp_path " << d << ";\n"
        << "  server { listen 127.0.0.1:" << port_ << " ssl;\n"
        << "    ssl_certificate " << ca << "/localhost.pem; ssl_certificate_key " << ca << "/localhost.key;\n"
        << "    location / { proxy_pass http://127.0.0.1:" << port << "; } } }\n";
    // Its status lines come after the listening sockets are open.
    std::string text;
    pid_ = SpawnUntil({"nginx", "-e", "stderr", "-p", d, "-c", d + "/nginx.conf"}, d, STDERR_FILENO,
                      "getrlimit(RLIMIT_NOFILE)", text);
}

NginxFront::~NginxFront() { Stop(pid_); }

Relay::Relay(Pump& pump, int port, bool dropAlerts, std::mt19937& rng)
    : pump_(pump), target_(port), dropAlerts_(dropAlerts), rng_(rng) {
    listener_ = OpenSocket(SOCK_STREAM);
    sockaddr_in address = LoopbackAddress(0);
    SocketLength size = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener_, 4) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("relay listener");
    port_ = ntohs(address.sin_port);
    listenerWatch_ = pump_.Watch(listener_, kReadable, [this](unsigned) { Accept(); });
}

Relay::~Relay() {
    Close();
    listenerWatch_ = SocketWatch();
    CloseSocket(listener_);
}

void Relay::Close() {
    for (Side* side : {&client_, &server_}) {
        if (side->fd == kNoSocket) continue;
        side->watch = SocketWatch();
        CloseSocket(side->fd);
        *side = Side{};
    }
    records_.clear();
}

void Relay::Accept() {
    const SocketHandle fd = AcceptSocket(listener_);
    if (fd == kNoSocket) return;
    Close();
    client_.fd = fd;
    server_.fd = OpenSocket(SOCK_STREAM);
    const sockaddr_in address = LoopbackAddress(target_);
    ::connect(server_.fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);  // completes on loopback
    Watch(client_, server_, false);
    Watch(server_, client_, true);
}

void Relay::Watch(Side& side, Side& other, bool fromServer) {
    const unsigned wanted = (side.ended ? 0u : kReadable) | (side.out.empty() ? 0u : kWritable);
    if (wanted == 0) {
        side.watch = SocketWatch();
        return;
    }
    side.watch = pump_.Watch(side.fd, wanted, [this, &side, &other, fromServer](unsigned ready) {
        if (ready & kWritable) Flush(side);
        if ((ready & kReadable) && side.fd != kNoSocket) Move(side, other, fromServer);
    });
}

void Relay::Move(Side& from, Side& to, bool fromServer) {
    char block[4096];
    const auto got = ::recv(from.fd, block, std::uniform_int_distribution<int>(1, sizeof block)(rng_), 0);
    if (got < 0 && LastSocketError() == kWouldBlock) return;
    if (got <= 0) {
        from.ended = true;
    } else if (!fromServer || !dropAlerts_) {
        to.out.append(block, static_cast<std::size_t>(got));
    } else {
        records_.append(block, static_cast<std::size_t>(got));
        // Whole records only: type, version, 16-bit length, then the body.
        while (records_.size() >= 5) {
            const std::size_t length =
                5 + (static_cast<unsigned char>(records_[3]) << 8 | static_cast<unsigned char>(records_[4]));
            if (records_.size() < length) break;
            // An alert (close_notify among them) is dropped, and the
            // connection ends there as if the server had closed.
            if (records_[0] == 21) {
                from.ended = true;
                break;
            }
            to.out.append(records_, 0, length);
            records_.erase(0, length);
        }
    }
    Watch(from, to, fromServer);
    Flush(to);
}

void Relay::Flush(Side& side) {
    Side& other = &side == &client_ ? server_ : client_;
    if (!side.out.empty()) {
        const auto sent = ::send(side.fd, side.out.data(), side.out.size(), MSG_NOSIGNAL);
        if (sent > 0) side.out.erase(0, static_cast<std::size_t>(sent));
    }
    // The other side's close goes on once all it sent has been passed on.
    if (other.ended && side.out.empty()) ::shutdown(side.fd, SHUT_WR);
    Watch(side, other, &side == &server_);
}

}  // namespace lookout::test
