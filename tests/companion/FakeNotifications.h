#pragma once
// A private session bus (its own dbus-daemon) with a fake
// org.freedesktop.Notifications service that records every notification.
// DBUS_SESSION_BUS_ADDRESS points at the bus while it lives. The service
// answers from a thread of its own, as the caller's Notify blocks.
#include <sys/types.h>

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lookout::test {

class FakeNotifications {
public:
    FakeNotifications();
    ~FakeNotifications();

    // "summary\nbody" of every Notify, in arrival order.
    std::vector<std::string> Received() const;

private:
    struct Service;
    pid_t daemon_ = -1;
    std::unique_ptr<Service> service_;
    std::thread thread_;
};

}  // namespace lookout::test
