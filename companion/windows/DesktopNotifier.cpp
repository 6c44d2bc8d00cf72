#include "companion/DesktopNotifier.h"

#include "platform/Exception.h"

namespace lookout {

std::unique_ptr<Notifier> MakeDesktopNotifier(std::function<void(const std::string&)>) {
    throw Exception("desktop notifications (--notify) are not available on Windows");
}

}  // namespace lookout
