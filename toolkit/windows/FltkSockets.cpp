#include "toolkit/FltkSockets.h"

#include <FL/Fl.H>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/Socket.h"
#include "platform/SocketWatches.h"

namespace lookout {

namespace {

// FLTK's Windows loop would select() on Fl::add_fd sockets every
// millisecond. Instead a waiter thread blocks in WSAPoll on the watched
// sockets and on a wake-up pair, and hands what it saw to the GUI thread with
// Fl::awake; the GUI thread asks each socket again before calling its owner,
// so a stale report never reaches one. The waiter polls again only once the
// GUI thread has taken its report, so a socket that stays ready until its
// owner reads it costs one more wake, not a spin.
class WaiterSockets : public FltkSockets {
public:
    explicit WaiterSockets(std::function<void()> afterDispatch) : afterDispatch_(std::move(afterDispatch)) {
        // Fl::awake needs the GUI thread named once, which Fl::lock does.
        static const bool locked = (Fl::lock(), true);
        (void)locked;
        if (!SocketPair(wake_)) throw std::runtime_error("FltkPump: no socket pair for the waiter thread");
        {
            const std::lock_guard lock(g_liveMutex);
            g_live = this;
        }
        waiter_ = std::thread([this] { Wait(); });
    }

    ~WaiterSockets() override {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
            reportPending_ = false;
        }
        taken_.notify_one();
        Wake();
        waiter_.join();
        CloseSocket(wake_[0]);
        CloseSocket(wake_[1]);
        // An awake already queued finds no report of ours.
        const std::lock_guard lock(g_liveMutex);
        if (g_live == this) g_live = nullptr;
    }

    SocketWatch Watch(SocketHandle socket, unsigned wanted, std::function<void(unsigned ready)> onReady) override {
        return watches_.Add(socket, wanted, std::move(onReady));
    }

private:
    struct Seen {
        SocketHandle socket;
        std::uint64_t serial;
    };

    // The waiter's new look at the watch list.
    void Wake() {
        const char byte = 0;
        ::send(wake_[1], &byte, 1, 0);
    }

    void Wait() {
        std::vector<PollEntry> entries;
        std::vector<std::uint64_t> serials;
        for (;;) {
            {
                std::unique_lock lock(mutex_);
                taken_.wait(lock, [this] { return stopping_ || !reportPending_; });
                if (stopping_) return;
            }
            entries.assign(1, PollEntry{wake_[0], POLLIN, 0});
            serials.assign(1, 0);
            watches_.List(entries, serials);
            // A socket closed under the poll fails it; the end of its watch
            // has woken us already, and the next look leaves it out.
            if (PollSockets(entries.data(), entries.size(), -1) <= 0) continue;
            if (entries[0].revents != 0) {
                char drained[64];
                while (::recv(wake_[0], drained, sizeof drained, 0) > 0) {
                }
            }
            std::vector<Seen> seen;
            for (std::size_t i = 1; i < entries.size(); ++i) {
                if (entries[i].revents != 0) seen.push_back(Seen{entries[i].fd, serials[i]});
            }
            if (seen.empty()) continue;
            {
                const std::lock_guard lock(mutex_);
                if (stopping_) return;
                report_ = std::move(seen);
                reportPending_ = true;
            }
            Fl::awake(&WaiterSockets::OnAwake, nullptr);
        }
    }

    static void OnAwake(void*) {
        WaiterSockets* self = nullptr;
        {
            const std::lock_guard lock(g_liveMutex);
            self = g_live;
        }
        if (self) self->Dispatch();
    }

    void Dispatch() {
        std::vector<Seen> report;
        {
            const std::lock_guard lock(mutex_);
            if (!reportPending_) return;
            report = std::move(report_);
            report_.clear();
            reportPending_ = false;
        }
        taken_.notify_one();
        // The registry asks each socket again: a callback may have ended or
        // replaced any watch meanwhile.
        for (const Seen& s : report) {
            if (watches_.DispatchIfReady(s.socket, s.serial)) afterDispatch_();
        }
    }

    // The instance an awake is for: the one FltkPump of the moment, or none.
    static std::mutex g_liveMutex;
    static WaiterSockets* g_live;

    std::function<void()> afterDispatch_;
    SocketLibrary sockets_;
    SocketHandle wake_[2] = {kNoSocket, kNoSocket};
    SocketWatches watches_{[this](SocketHandle, unsigned) { Wake(); }};
    std::mutex mutex_;
    std::condition_variable taken_;  // the GUI thread took the report
    std::vector<Seen> report_;
    bool reportPending_ = false;
    bool stopping_ = false;
    std::thread waiter_;
};

std::mutex WaiterSockets::g_liveMutex;
WaiterSockets* WaiterSockets::g_live = nullptr;

}  // namespace

std::unique_ptr<FltkSockets> FltkSockets::Make(std::function<void()> afterDispatch) {
    return std::make_unique<WaiterSockets>(std::move(afterDispatch));
}

}  // namespace lookout
