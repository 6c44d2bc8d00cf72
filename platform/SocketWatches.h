#pragma once
// The registry of watched sockets that every pump keeps: which socket is
// watched for what and whose callback runs when it is ready, and the check,
// just before the call, that the registration polled is still the socket's.
// Safe to read from a second thread (the Windows window pump polls from one);
// callbacks and onChange run with no lock held, so they may watch and end.
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/Socket.h"
#include "platform/SocketWatch.h"

namespace lookout {

class SocketWatches {
public:
    // onChange(socket, wanted) follows every change of what is watched;
    // wanted is 0 once the socket is no longer watched.
    explicit SocketWatches(std::function<void(SocketHandle socket, unsigned wanted)> onChange = nullptr)
        : onChange_(std::move(onChange)) {}
    SocketWatches(const SocketWatches&) = delete;
    SocketWatches& operator=(const SocketWatches&) = delete;

    SocketWatch Add(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady);
    bool Empty() const;
    // Appends a poll entry for each watched socket, and the serial of its
    // registration to `serials`.
    void List(std::vector<PollEntry>& entries, std::vector<std::uint64_t>& serials) const;
    // Calls registration `serial` of the socket, if it is still the socket's,
    // with what of its wants `revents` shows ready; true when it was called.
    bool Dispatch(SocketHandle socket, std::uint64_t serial, short revents);
    // The same after asking the socket itself, for a loop that does not say
    // what woke it or whose report may be stale. Serial 0: whichever
    // registration the socket has now.
    bool DispatchIfReady(SocketHandle socket, std::uint64_t serial = 0);

private:
    friend class SocketWatch;
    using Callback = std::function<void(unsigned)>;
    struct Entry {
        unsigned wanted;
        std::uint64_t serial;
        std::shared_ptr<Callback> onReady;  // shared: alive while it ends its own watch
    };
    void End(SocketHandle socket, std::uint64_t serial);
    // The registration, when `serial` (or 0) names the socket's current one.
    const Entry* Find(SocketHandle socket, std::uint64_t serial) const;

    std::function<void(SocketHandle, unsigned)> onChange_;
    mutable std::mutex mutex_;
    std::unordered_map<SocketHandle, Entry> entries_;
    std::uint64_t nextSerial_ = 1;
};

}  // namespace lookout
