#pragma once
// Notifications through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), by libnotify.
#include <functional>
#include <memory>
#include <string>

#include "companion/Notification.h"

namespace lookout {

// The notifier of --notify: a DesktopNotifier, or an Exception saying that
// the system has no notifications of ours (Windows, so far).
std::unique_ptr<Notifier> MakeDesktopNotifier(std::function<void(const std::string&)> report);

#ifndef _WIN32
class DesktopNotifier : public Notifier {
public:
    // report gets one line (UTF-8, no line end) the first time the service
    // cannot be reached; later failures are quiet.
    explicit DesktopNotifier(std::function<void(const std::string&)> report);
    ~DesktopNotifier() override;
    DesktopNotifier(const DesktopNotifier&) = delete;
    DesktopNotifier& operator=(const DesktopNotifier&) = delete;

    void Show(const Notification& notification) override;

private:
    void Fail(const std::string& reason);

    std::function<void(const std::string&)> report_;
    bool reported_ = false;
};
#endif

}  // namespace lookout
