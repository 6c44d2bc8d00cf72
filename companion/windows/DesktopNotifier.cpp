// Windows has no notification service of ours yet: --notify is refused.
#include "companion/DesktopNotifier.h"

#include "platform/Exception.h"

namespace lookout {

class DesktopNotifier::Bus {};

DesktopNotifier::DesktopNotifier(Pump&, std::chrono::milliseconds, std::function<void(const std::string&)>) {
    throw Exception("desktop notifications (--notify) are not available on Windows");
}

DesktopNotifier::~DesktopNotifier() = default;

// Never called: no notifier is ever made here.
void DesktopNotifier::Show(const Notification&) {}

}  // namespace lookout
