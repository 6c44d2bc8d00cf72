#include "platform/SignalPipe.h"

#include "platform/Socket.h"

namespace lookout {

SignalPipe::SignalPipe(Pump& pump, std::function<void(int signal)> onSignal) : SignalPipe() {
    onSignal_ = std::move(onSignal);
    watch_ = pump.Watch(fds_[0], kReadable, [this](unsigned) { Drain(); });
}

void SignalPipe::Drain() {
    char number = 0;
    while (::recv(fds_[0], &number, 1, 0) == 1) {
        if (received_ == 0) received_ = static_cast<unsigned char>(number);
    }
    if (received_ != 0) onSignal_(received_);
}

}  // namespace lookout
