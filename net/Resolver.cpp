#include "net/Resolver.h"

#include <chrono>
#include <memory>

#include "net/SockErrors.h"
#include "platform/Socket.h"

namespace lookout {

Resolver::Resolver(Pump& pump) : pump_(pump) {
    if (ares_library_init(ARES_LIB_INIT_ALL) != ARES_SUCCESS)
        throw ESockError("c-ares library initialisation failed");
    ares_options options{};
    options.sock_state_cb = &Resolver::OnSocketState;
    options.sock_state_cb_data = this;
    if (ares_init_options(&channel_, &options, ARES_OPT_SOCK_STATE_CB) != ARES_SUCCESS) {
        ares_library_cleanup();
        throw ESockError("c-ares channel initialisation failed");
    }
}

Resolver::~Resolver() {
    // ares_destroy answers the running lookup with ARES_EDESTRUCTION and
    // closes the channel's sockets through OnSocketState; both still find
    // this object whole.
    serial_ = 0;
    done_ = nullptr;
    ares_destroy(channel_);
    if (timer_ != 0) pump_.StopTimer(timer_);
    ares_library_cleanup();
}

void Resolver::SetServers(const std::string& csv) {
    if (ares_set_servers_ports_csv(channel_, csv.c_str()) != ARES_SUCCESS)
        throw ESockError("Invalid name server list");
}

void Resolver::Start(const std::string& name, Done done) {
    Abandon();
    static std::uint64_t lastSerial = 0;
    serial_ = ++lastSerial;
    done_ = std::move(done);
    ares_addrinfo_hints hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    ares_getaddrinfo(channel_, name.c_str(), nullptr, &hints, &Resolver::OnAddrInfo,
                     new Request{this, serial_});
    RearmTimer();
}

void Resolver::Abandon() {
    if (serial_ == 0) return;
    serial_ = 0;
    done_ = nullptr;
    ares_cancel(channel_);  // answers with ARES_ECANCELLED, which OnAddrInfo drops
    RearmTimer();
}

void Resolver::OnAddrInfo(void* arg, int status, int, ares_addrinfo* result) {
    std::unique_ptr<Request> request(static_cast<Request*>(arg));
    std::unique_ptr<ares_addrinfo, void (*)(ares_addrinfo*)> owned(result, &ares_freeaddrinfo);
    Resolver* self = request->resolver;
    if (status == ARES_EDESTRUCTION || request->serial != self->serial_) return;

    std::uint32_t address = 0;
    bool ok = false;
    if (status == ARES_SUCCESS && result != nullptr) {
        for (ares_addrinfo_node* node = result->nodes; node != nullptr; node = node->ai_next) {
            if (node->ai_family != AF_INET) continue;
            address = reinterpret_cast<const sockaddr_in*>(node->ai_addr)->sin_addr.s_addr;
            ok = true;
            break;
        }
    }
    self->serial_ = 0;
    Done done = std::move(self->done_);
    self->done_ = nullptr;
    done(ok, address);
}

void Resolver::OnSocketState(void* data, ares_socket_t fd, int readable, int writable) {
    auto* self = static_cast<Resolver*>(data);
    if (!readable && !writable) {
        self->watches_.erase(fd);
        return;
    }
    const unsigned wanted = (readable ? kReadable : 0u) | (writable ? kWritable : 0u);
    self->watches_[fd] = self->pump_.Watch(fd, wanted, [self, fd](unsigned ready) {
        self->Process(ready & kReadable ? fd : ARES_SOCKET_BAD, ready & kWritable ? fd : ARES_SOCKET_BAD);
    });
}

void Resolver::Process(ares_socket_t readFd, ares_socket_t writeFd) {
    ares_process_fd(channel_, readFd, writeFd);
    RearmTimer();
}

void Resolver::RearmTimer() {
    if (timer_ != 0) pump_.StopTimer(timer_);
    timer_ = 0;
    timeval tv{};
    if (ares_timeout(channel_, nullptr, &tv) == nullptr) return;  // no query in flight
    const auto delay = std::chrono::milliseconds(tv.tv_sec * 1000 + (tv.tv_usec + 999) / 1000);
    timer_ = pump_.StartTimer(delay, [this] {
        timer_ = 0;
        Process(ARES_SOCKET_BAD, ARES_SOCKET_BAD);
    });
}

}  // namespace lookout
