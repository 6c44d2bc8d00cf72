#include "TlsPeers.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "platform/LoopbackAddress.h"

namespace lookout::test {

namespace {

constexpr const char* kAccepting = "ACCEPT 127.0.0.1:";

std::vector<std::string> SServerArguments(const std::string& leaf, bool http, const std::vector<std::string>& extra) {
    const std::string ca = TestCaDir();
    std::vector<std::string> argv = {"openssl", "s_server", "-accept", "127.0.0.1:0", "-cert",
                                     ca + "/" + leaf + ".pem", "-key", ca + "/" + leaf + ".key"};
    if (http) argv.push_back("-HTTP");
    argv.insert(argv.end(), extra.begin(), extra.end());
    return argv;
}

// A port that was free a moment ago; nginx tells when it listens on it.
int FreePort() { return Listener(0).Port(); }

std::vector<std::string> NginxArguments(const std::string& d, int port, int backend) {
    const std::string ca = TestCaDir();
    std::ofstream(d + "/nginx.conf")
        << "daemon off; master_process off; worker_processes 1; pid " << d << "/nginx.pid;\n"
        << "error_log stderr notice;\nevents { worker_connections 64; }\n"
        << "http { access_log off; client_body_temp_path " << d << "; proxy_temp_path " << d << ";\n"
        << "  fastcgi_temp_path " << d << "; uwsgi_temp_path " << d << "; scgi_temp_path " << d << ";\n"
        << "  server { listen 127.0.0.1:" << port << " ssl;\n"
        << "    ssl_certificate " << ca << "/localhost.pem; ssl_certificate_key " << ca << "/localhost.key;\n"
        << "    location / { proxy_pass http://127.0.0.1:" << backend << "; } } }\n";
    return {"nginx", "-e", "stderr", "-p", d, "-c", d + "/nginx.conf"};
}

}  // namespace

// "ACCEPT 127.0.0.1:PORT" once it listens; its stderr has its "FILE:" lines.
// The files are asked for only once it listens.
SServer::SServer(const std::string& leaf, const std::vector<std::pair<std::string, std::string>>& files,
                 const std::vector<std::string>& extra)
    : process_(SServerArguments(leaf, !files.empty(), extra), dir_.String(), PeerProcess::Stream::Out, kAccepting) {
    for (const auto& [name, reply] : files) std::ofstream(dir_.Path() / name, std::ios::binary) << reply;
    const std::string& text = process_.Text();
    port_ = std::atoi(text.c_str() + text.find(kAccepting) + std::string(kAccepting).size());
}

std::string SServer::Request() {
    const std::size_t start = process_.ReadUntil("GET ").find("GET ");
    const std::string& text = process_.ReadUntil("\r\n\r\n", start);
    return text.substr(start, text.find("\r\n\r\n", start) + 4 - start);
}

// Its status lines come after the listening sockets are open.
NginxFront::NginxFront(int port)
    : port_(FreePort()),
      process_(NginxArguments(dir_.String(), port_, port), dir_.String(), PeerProcess::Stream::Err,
               "getrlimit(RLIMIT_NOFILE)") {}

Relay::Relay(Pump& pump, int port, bool dropAlerts, std::mt19937& rng)
    : pump_(pump), target_(port), dropAlerts_(dropAlerts), rng_(rng) {
    listenerWatch_ = pump_.Watch(listener_.Fd(), kReadable, [this](unsigned) { Accept(); });
}

Relay::~Relay() {
    Close();
    listenerWatch_ = SocketWatch();
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
    const auto fd = listener_.Accept();
    if (!fd) return;
    Close();
    client_.fd = *fd;
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
        const auto sent = ::send(side.fd, side.out.data(), side.out.size(), kSendFlags);
        if (sent > 0) side.out.erase(0, static_cast<std::size_t>(sent));
    }
    // The other side's close goes on once all it sent has been passed on.
    if (other.ended && side.out.empty()) ::shutdown(side.fd, kShutdownSending);
    Watch(side, other, &side == &server_);
}

}  // namespace lookout::test
