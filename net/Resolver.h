#pragma once
// Host name lookup through c-ares, driven by a Pump: the channel's sockets
// are watched there and its retry timer is a pump timer, so a lookup never
// blocks the thread. One lookup at a time per resolver.
#include <ares.h>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

#include "platform/Pump.h"

namespace lookout {

class Resolver {
public:
    // ok is false when the name did not resolve to an IPv4 address; the
    // address is in network order.
    using Done = std::function<void(bool ok, std::uint32_t address)>;

    // Raises ESockError when c-ares cannot set up a channel.
    explicit Resolver(Pump& pump);
    ~Resolver();
    Resolver(const Resolver&) = delete;
    Resolver& operator=(const Resolver&) = delete;

    // Replaces the system's name servers, e.g. "127.0.0.1:5353"; raises
    // ESockError when c-ares refuses the list.
    void SetServers(const std::string& csv);

    // done runs exactly once, unless the lookup is abandoned first; it may run
    // before Start returns (c-ares answers some names at once).
    void Start(const std::string& name, Done done);
    // Drops the running lookup; its done is never called.
    void Abandon();

private:
    struct Request {
        Resolver* resolver;
        std::uint64_t serial;
    };
    static void OnSocketState(void* data, ares_socket_t fd, int readable, int writable);
    static void OnAddrInfo(void* arg, int status, int timeouts, ares_addrinfo* result);
    void Process(ares_socket_t readFd, ares_socket_t writeFd);
    void RearmTimer();

    Pump& pump_;
    std::unordered_map<ares_socket_t, SocketWatch> watches_;  // the channel's sockets
    ares_channel channel_ = nullptr;
    std::uint64_t serial_ = 0;  // of the lookup whose answer is awaited, 0 for none
    Done done_;
    TimerService::TimerId timer_ = 0;
};

}  // namespace lookout
