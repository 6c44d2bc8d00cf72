#include "toolkit/FltkSockets.h"

#include <FL/Fl.H>

#include <vector>

#include "platform/Pump.h"
#include "platform/SocketWatches.h"

namespace lookout {

namespace {

class AddFdSockets : public FltkSockets {
public:
    explicit AddFdSockets(std::function<void()> afterDispatch)
        : afterDispatch_(std::move(afterDispatch)),
          watches_([this](SocketHandle fd, unsigned wanted) { Changed(fd, wanted); }) {}
    ~AddFdSockets() override {
        std::vector<PollEntry> watched;
        std::vector<std::uint64_t> serials;
        watches_.List(watched, serials);
        for (const PollEntry& p : watched) Fl::remove_fd(p.fd);
    }

    SocketWatch Watch(SocketHandle fd, unsigned wanted, std::function<void(unsigned ready)> onReady) override {
        return watches_.Add(fd, wanted, std::move(onReady));
    }

private:
    // FLTK only ever widens the events of a known descriptor, so a changed
    // set is registered afresh.
    void Changed(SocketHandle fd, unsigned wanted) {
        Fl::remove_fd(fd);
        int when = 0;
        if (wanted & kReadable) when |= FL_READ;
        if (wanted & kWritable) when |= FL_WRITE;
        if (when != 0) Fl::add_fd(fd, when, &AddFdSockets::OnFd, this);
    }

    // FLTK does not say which condition woke it; the registry asks the
    // descriptor.
    static void OnFd(int fd, void* data) {
        auto* self = static_cast<AddFdSockets*>(data);
        if (self->watches_.DispatchIfReady(fd)) self->afterDispatch_();
    }

    std::function<void()> afterDispatch_;
    SocketWatches watches_;
};

}  // namespace

std::unique_ptr<FltkSockets> FltkSockets::Make(std::function<void()> afterDispatch) {
    return std::make_unique<AddFdSockets>(std::move(afterDispatch));
}

}  // namespace lookout
