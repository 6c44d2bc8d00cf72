#include "toolkit/FltkSockets.h"

#include <FL/Fl.H>

#include <unordered_map>

#include "platform/PollFlags.h"
#include "platform/Socket.h"

namespace lookout {

namespace {

class AddFdSockets : public FltkSockets {
public:
    explicit AddFdSockets(std::function<void()> afterDispatch) : afterDispatch_(std::move(afterDispatch)) {}
    ~AddFdSockets() override {
        for (auto& [fd, w] : watchers_) Fl::remove_fd(fd);
    }

    void Watch(SocketHandle fd, unsigned wanted, std::function<void(unsigned ready)> onReady) override {
        // FLTK only ever widens the events of a known descriptor, so a changed
        // set is registered afresh.
        if (watchers_.count(fd)) Fl::remove_fd(fd);
        int when = 0;
        if (wanted & kReadable) when |= FL_READ;
        if (wanted & kWritable) when |= FL_WRITE;
        watchers_[fd] = Watcher{wanted, std::make_shared<std::function<void(unsigned)>>(std::move(onReady))};
        Fl::add_fd(fd, when, &AddFdSockets::OnFd, this);
    }

    void Unwatch(SocketHandle fd) override {
        if (watchers_.erase(fd)) Fl::remove_fd(fd);
    }

private:
    struct Watcher {
        unsigned wanted;
        std::shared_ptr<std::function<void(unsigned)>> onReady;
    };

    static void OnFd(int fd, void* data) {
        auto* self = static_cast<AddFdSockets*>(data);
        auto it = self->watchers_.find(fd);
        if (it == self->watchers_.end()) return;
        // FLTK does not say which condition woke it; ask the descriptor.
        PollEntry p{fd, PollEventsFor(it->second.wanted), 0};
        if (PollSockets(&p, 1, 0) <= 0) return;
        const unsigned ready = ReadyFromPoll(p.revents, it->second.wanted);
        if (ready == 0) return;
        auto onReady = it->second.onReady;
        (*onReady)(ready);
        self->afterDispatch_();
    }

    std::function<void()> afterDispatch_;
    std::unordered_map<int, Watcher> watchers_;
};

}  // namespace

std::unique_ptr<FltkSockets> FltkSockets::Make(std::function<void()> afterDispatch) {
    return std::make_unique<AddFdSockets>(std::move(afterDispatch));
}

}  // namespace lookout
