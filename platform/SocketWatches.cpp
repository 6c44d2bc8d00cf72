#include "platform/SocketWatches.h"

#include <utility>

#include "platform/Pump.h"

namespace lookout {

namespace {

short PollEventsFor(unsigned wanted) {
    short events = 0;
    if (wanted & kReadable) events |= POLLIN;
    if (wanted & kWritable) events |= POLLOUT;
    return events;
}

// Errors and hang-ups count as both, so the owner's own read or write learns
// what happened (a refused connect shows only so on Windows). Limited to what
// the watch wants.
unsigned ReadyFromPoll(short revents, unsigned wanted) {
    unsigned ready = 0;
    if (revents & (POLLIN | POLLERR | POLLHUP)) ready |= kReadable;
    if (revents & (POLLOUT | POLLERR | POLLHUP)) ready |= kWritable;
    return ready & wanted;
}

}  // namespace

SocketWatch::SocketWatch(SocketWatch&& other) noexcept
    : registry_(std::exchange(other.registry_, nullptr)), socket_(other.socket_), serial_(other.serial_) {}

SocketWatch& SocketWatch::operator=(SocketWatch&& other) noexcept {
    if (this != &other) {
        End();
        registry_ = std::exchange(other.registry_, nullptr);
        socket_ = other.socket_;
        serial_ = other.serial_;
    }
    return *this;
}

SocketWatch::~SocketWatch() { End(); }

void SocketWatch::End() {
    if (registry_) std::exchange(registry_, nullptr)->End(socket_, serial_);
}

SocketWatch SocketWatches::Add(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady) {
    std::uint64_t serial = 0;
    {
        const std::lock_guard lock(mutex_);
        serial = nextSerial_++;
        entries_[socket] = Entry{wanted, serial, std::make_shared<Callback>(std::move(onReady))};
    }
    if (onChange_) onChange_(socket, wanted);
    return SocketWatch(*this, socket, serial);
}

void SocketWatches::End(SocketHandle socket, std::uint64_t serial) {
    {
        const std::lock_guard lock(mutex_);
        auto it = entries_.find(socket);
        if (it == entries_.end() || it->second.serial != serial) return;
        entries_.erase(it);
    }
    if (onChange_) onChange_(socket, 0);
}

bool SocketWatches::Empty() const {
    const std::lock_guard lock(mutex_);
    return entries_.empty();
}

void SocketWatches::List(std::vector<PollEntry>& entries, std::vector<std::uint64_t>& serials) const {
    const std::lock_guard lock(mutex_);
    for (const auto& [socket, entry] : entries_) {
        entries.push_back(PollEntry{socket, PollEventsFor(entry.wanted), 0});
        serials.push_back(entry.serial);
    }
}

const SocketWatches::Entry* SocketWatches::Find(SocketHandle socket, std::uint64_t serial) const {
    auto it = entries_.find(socket);
    if (it == entries_.end() || (serial != 0 && it->second.serial != serial)) return nullptr;
    return &it->second;
}

bool SocketWatches::Dispatch(SocketHandle socket, std::uint64_t serial, short revents) {
    std::shared_ptr<Callback> onReady;
    unsigned ready = 0;
    {
        const std::lock_guard lock(mutex_);
        const Entry* entry = Find(socket, serial);
        if (!entry) return false;
        ready = ReadyFromPoll(revents, entry->wanted);
        onReady = entry->onReady;
    }
    if (ready == 0) return false;
    (*onReady)(ready);
    return true;
}

bool SocketWatches::DispatchIfReady(SocketHandle socket, std::uint64_t serial) {
    PollEntry now{socket, 0, 0};
    {
        const std::lock_guard lock(mutex_);
        const Entry* entry = Find(socket, serial);
        if (!entry) return false;
        now.events = PollEventsFor(entry->wanted);
        serial = entry->serial;
    }
    if (PollSockets(&now, 1, 0) <= 0) return false;
    return Dispatch(socket, serial, now.revents);
}

}  // namespace lookout
