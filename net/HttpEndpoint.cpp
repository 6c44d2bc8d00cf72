#include "net/HttpEndpoint.h"

#include "platform/HttpReply.h"

namespace lookout {

namespace {

using namespace std::chrono_literals;

// A client gets this long to send its request head.
constexpr auto kRequestTime = 10s;
// After the answer, this long to close its side: closing ours while its bytes
// are unread would reset the connection and could destroy the answer's tail.
constexpr auto kDrainTime = 2s;
// Connections served at once; more wait in the listen queue.
constexpr std::size_t kMaxClients = 16;

}  // namespace

struct HttpEndpoint::Client {
    enum class Phase { Reading, Sending, Draining };
    explicit Client(SocketHandle socket) : fd(socket) {}
    ~Client() {
        watch = SocketWatch();  // before the socket it names is gone
        CloseSocket(fd);
    }
    SocketHandle fd;
    SocketWatch watch;
    Phase phase = Phase::Reading;
    std::string in;
    std::string out;
    std::size_t sent = 0;
    TimerService::TimerId limit = 0;
};

HttpEndpoint::HttpEndpoint(Pump& pump, const sockaddr_in& address, Route route)
    : pump_(pump), route_(std::move(route)), listener_(address) {
    WatchListener();
}

HttpEndpoint::~HttpEndpoint() {
    for (const auto& [fd, client] : clients_) pump_.StopTimer(client->limit);
}

void HttpEndpoint::WatchListener() {
    listening_ = true;
    listenerWatch_ = pump_.Watch(listener_.Fd(), kReadable, [this](unsigned) { Accept(); });
}

void HttpEndpoint::Accept() {
    while (clients_.size() < kMaxClients) {
        const std::optional<SocketHandle> fd = listener_.Accept();
        if (!fd) return;
        Client& client = *clients_.emplace(*fd, std::make_unique<Client>(*fd)).first->second;
        Limit(client, kRequestTime);
        WatchClient(client, kReadable);
    }
    listening_ = false;
    listenerWatch_ = SocketWatch();
}

void HttpEndpoint::WatchClient(Client& client, unsigned wanted) {
    client.watch = pump_.Watch(client.fd, wanted, [this, &client](unsigned) {
        if (!Serve(client)) Drop(client.fd);
    });
}

void HttpEndpoint::Limit(Client& client, std::chrono::milliseconds time) {
    pump_.StopTimer(client.limit);
    client.limit = pump_.StartTimer(time, [this, fd = client.fd] { Drop(fd); });
}

void HttpEndpoint::Drop(SocketHandle fd) {
    const auto found = clients_.find(fd);
    if (found == clients_.end()) return;
    pump_.StopTimer(found->second->limit);
    clients_.erase(found);
    if (!listening_) WatchListener();
}

bool HttpEndpoint::Serve(Client& client) {
    switch (client.phase) {
        case Client::Phase::Reading: return Read(client);
        case Client::Phase::Sending: return Send(client);
        case Client::Phase::Draining: break;
    }
    return DiscardReceived(client.fd);
}

bool HttpEndpoint::Read(Client& client) {
    if (!ReceiveHead(client.fd, client.in)) return false;  // gone before asking anything
    const std::optional<std::size_t> end = FindHeadEnd(client.in);
    if (!end && client.in.size() <= kMaxRequestHead) return true;
    const std::optional<Request> request =
        end ? ParseRequestLine(std::string_view(client.in).substr(0, *end)) : std::nullopt;
    if (!request) {
        Answer(client, {400, "Bad Request", "text/plain; charset=utf-8", "bad request\n"});
    } else if (request->method != "GET") {
        Answer(client, {405, "Method Not Allowed", "text/plain; charset=utf-8", "only GET is served\n"},
               "Allow: GET\r\n");
    } else {
        Answer(client, route_(*request));
    }
    return Send(client);
}

void HttpEndpoint::Answer(Client& client, const HttpAnswer& answer, std::string_view extra) {
    client.in.clear();
    client.in.shrink_to_fit();
    client.out = WholeReply(answer.code, answer.reason, answer.contentType, answer.body, extra);
    client.phase = Client::Phase::Sending;
    WatchClient(client, kWritable);
}

bool HttpEndpoint::Send(Client& client) {
    while (client.sent < client.out.size()) {
        const auto n = ::send(client.fd, client.out.data() + client.sent,
                              static_cast<int>(client.out.size() - client.sent), kSendFlags);
        if (n < 0) {
            const int error = LastSocketError();
            if (error == kInterrupted) continue;
            return error == kWouldBlock;
        }
        client.sent += static_cast<std::size_t>(n);
    }
    ::shutdown(client.fd, kShutdownSending);
    client.phase = Client::Phase::Draining;
    Limit(client, kDrainTime);
    WatchClient(client, kReadable);
    return true;
}

}  // namespace lookout
