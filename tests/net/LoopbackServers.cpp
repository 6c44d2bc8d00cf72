#include "LoopbackServers.h"

#include <algorithm>
#include <stdexcept>

#include "platform/LoopbackAddress.h"

namespace lookout::test {

namespace {

// A non-blocking socket bound to an ephemeral loopback port; the port is
// returned in port.
SocketHandle BoundSocket(int type, int& port) {
    const SocketHandle fd = OpenSocket(type);
    if (fd == kNoSocket) throw std::runtime_error("socket");
    sockaddr_in address = LoopbackAddress(0);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("bind");
    SocketLength size = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

std::vector<std::string> RandomPieces(const std::string& text, std::size_t maxPiece, std::mt19937& rng) {
    std::uniform_int_distribution<std::size_t> size(1, maxPiece);
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = std::min(size(rng), text.size() - at);
        pieces.push_back(text.substr(at, n));
        at += n;
    }
    return pieces;
}

std::vector<std::string> BytePieces(const std::string& text) {
    std::vector<std::string> pieces;
    for (char c : text) pieces.emplace_back(1, c);
    return pieces;
}

struct HttpServer::Connection {
    HttpServer& server;
    SocketHandle fd;
    std::size_t index;
    Reply reply;
    std::size_t next = 0;
    std::string out;
    bool replying = false;
    TimerService::TimerId timer = 0;
    SocketWatch watch;

    ~Connection() { Close(); }

    void Close() {
        if (timer != 0) server.pump_.StopTimer(timer);
        timer = 0;
        if (fd == kNoSocket) return;
        watch = SocketWatch();
        CloseSocket(fd);
        fd = kNoSocket;
    }

    void Watch() {
        watch = server.pump_.Watch(fd, kReadable | (out.empty() ? 0u : kWritable), [this](unsigned ready) {
            if (ready & kWritable) Flush();
            if ((ready & kReadable) && fd != kNoSocket) Receive();
        });
    }

    void Receive() {
        char block[4096];
        const auto got = ::recv(fd, block, sizeof block, 0);
        if (got < 0 && LastSocketError() == kWouldBlock) return;
        if (got <= 0) {  // the client closed or reset
            Close();
            return;
        }
        std::string& request = server.requests_[index];
        request.append(block, static_cast<std::size_t>(got));
        if (!replying && (reply.anyBytes || request.find("\r\n\r\n") != std::string::npos)) {
            replying = true;
            timer = server.pump_.StartTimer(reply.delay, [this] { SendNext(); });
        }
    }

    void SendNext() {
        timer = 0;
        if (next < reply.pieces.size()) out += reply.pieces[next++];
        // One piece per pump round, so that the client reads each on its own.
        if (next < reply.pieces.size()) timer = server.pump_.StartTimer(reply.gap, [this] { SendNext(); });
        Flush();
    }

    void Flush() {
        while (!out.empty()) {
            const auto sent = ::send(fd, out.data(), static_cast<int>(out.size()), kSendFlags);
            if (sent < 0) {
                if (LastSocketError() == kWouldBlock) break;
                Close();
                return;
            }
            out.erase(0, static_cast<std::size_t>(sent));
        }
        if (out.empty() && replying && next == reply.pieces.size() && timer == 0 && reply.close) {
            if (reply.reset) ResetOnClose(fd);
            Close();
            return;
        }
        Watch();
    }
};

HttpServer::HttpServer(Pump& pump, std::vector<Reply> replies) : pump_(pump), replies_(std::move(replies)) {
    listener_ = BoundSocket(SOCK_STREAM, port_);
    ::listen(listener_, 16);
    listening_ = pump_.Watch(listener_, kReadable, [this](unsigned) { Accept(); });
}

HttpServer::~HttpServer() {
    connections_.clear();
    listening_ = SocketWatch();
    CloseSocket(listener_);
}

void HttpServer::Accept() {
    const SocketHandle fd = AcceptSocket(listener_);
    if (fd == kNoSocket) return;
    const std::size_t index = requests_.size();
    requests_.emplace_back();
    const Reply& reply = replies_[std::min(index, replies_.size() - 1)];
    connections_.push_back(std::unique_ptr<Connection>(new Connection{*this, fd, index, reply, 0, {}, false, 0, {}}));
    connections_.back()->Watch();
}

DnsServer::DnsServer(Pump& pump, std::map<std::string, std::string> names, bool silent,
                     std::chrono::milliseconds delay)
    : pump_(pump), names_(std::move(names)), silent_(silent), delay_(delay) {
    fd_ = BoundSocket(SOCK_DGRAM, port_);
    watch_ = pump_.Watch(fd_, kReadable, [this](unsigned) { Answer(); });
}

DnsServer::~DnsServer() {
    watch_ = SocketWatch();
    CloseSocket(fd_);
}

void DnsServer::Answer() {
    unsigned char query[512];
    sockaddr_in from{};
    SocketLength fromSize = sizeof from;
    const auto got = ::recvfrom(fd_, reinterpret_cast<char*>(query), sizeof query, 0,
                                reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (got < 17 || silent_) return;

    // The question: labels from byte 12, then type and class.
    std::string name;
    std::size_t at = 12;
    while (at < static_cast<std::size_t>(got) && query[at] != 0) {
        if (!name.empty()) name += '.';
        name.append(reinterpret_cast<const char*>(query + at + 1), query[at]);
        at += query[at] + 1u;
    }
    const std::size_t questionEnd = at + 5;
    if (questionEnd > static_cast<std::size_t>(got)) return;
    const bool typeA = query[at + 1] == 0 && query[at + 2] == 1;
    const auto found = names_.find(name);

    std::string reply(reinterpret_cast<const char*>(query), questionEnd);
    reply[2] = static_cast<char>(0x81);  // a response, recursion desired
    reply[3] = static_cast<char>(found == names_.end() ? 0x83 : 0x80);  // NXDOMAIN or no error
    reply[6] = reply[7] = reply[8] = reply[9] = reply[10] = reply[11] = 0;
    if (found != names_.end() && typeA) {
        reply[7] = 1;
        std::uint32_t address = 0;
        ParseDottedAddress(found->second, address);
        reply += std::string("\xC0\x0C\x00\x01\x00\x01\x00\x00\x00\x3C\x00\x04", 12);
        reply.append(reinterpret_cast<const char*>(&address), 4);
    }
    auto send = [this, reply, from] {
        ::sendto(fd_, reply.data(), static_cast<int>(reply.size()), 0, reinterpret_cast<const sockaddr*>(&from),
                 sizeof from);
    };
    if (delay_.count() == 0)
        send();
    else
        pump_.StartTimer(delay_, send);
}

FullListener::FullListener() {
    listener_ = BoundSocket(SOCK_STREAM, port_);
    ::listen(listener_, 0);
    // Blocking, so that the backlog is full once the connect returns.
    filler_ = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = LoopbackAddress(port_);
    if (::connect(filler_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        throw std::runtime_error("filler connect");
}

FullListener::~FullListener() {
    CloseSocket(filler_);
    CloseSocket(listener_);
}

ConnectedPair::ConnectedPair() {
    if (!SocketPair(end)) throw std::runtime_error("socket pair");
}

ConnectedPair::~ConnectedPair() {
    for (const SocketHandle socket : end) {
        if (socket != kNoSocket) CloseSocket(socket);
    }
}

RefusingPort::RefusingPort() { fd_ = BoundSocket(SOCK_STREAM, port_); }

RefusingPort::~RefusingPort() { CloseSocket(fd_); }

}  // namespace lookout::test
