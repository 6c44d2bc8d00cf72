#pragma once
// A private session bus (its own dbus-daemon) with a fake
// org.freedesktop.Notifications service that records every notification.
// DBUS_SESSION_BUS_ADDRESS points at the bus while it lives. The service runs
// on a thread of its own, so it may answer while the caller's thread waits.
#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lookout::test {

class FakeNotifications {
public:
    enum class Mode {
        Answer,  // every call is answered
        Silent,  // Notify is taken and never answered
        Absent,  // the bus has no notification service
    };
    explicit FakeNotifications(Mode mode = Mode::Answer);
    ~FakeNotifications();

    // "summary\nbody" of every Notify, in arrival order.
    std::vector<std::string> Received() const;
    // Received() once it holds count notifications, or when the limit passed.
    std::vector<std::string> WaitFor(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

private:
    struct Service;
    pid_t daemon_ = -1;
    std::unique_ptr<Service> service_;
    std::thread thread_;
};

}  // namespace lookout::test
