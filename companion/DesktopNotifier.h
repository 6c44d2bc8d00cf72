#pragma once
// Notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus). Sending never waits:
// the service's answers arrive on the pump, so a service that takes the call
// and never answers holds nothing up.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "companion/Notification.h"
#include "platform/Pump.h"

namespace lookout {

class DesktopNotifier : public Notifier {
public:
    // Connects to the session bus and asks it for the notification service,
    // waiting on the pump at most `limit`: raises Exception with one line for
    // the user when there is none (always on Windows, which has no
    // notifications of ours so far). `limit` also bounds the wait for each
    // notification's answer. report gets one line (UTF-8, no line end) the
    // first time a notification fails or stays unanswered; later ones are
    // quiet.
    DesktopNotifier(Pump& pump, std::chrono::milliseconds limit, std::function<void(const std::string&)> report);
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    void Show(const Notification& notification) override;

private:
    class Bus;
    std::unique_ptr<Bus> bus_;
};

}  // namespace lookout
