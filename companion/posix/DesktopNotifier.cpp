#include "companion/DesktopNotifier.h"

#include <libnotify/notify.h>

namespace lookout {

namespace {
constexpr const char* kAppName = "lookout-status";
}  // namespace

DesktopNotifier::DesktopNotifier(std::function<void(const std::string&)> report) : report_(std::move(report)) {
    // notify_init only records the name; the bus is first used by a Show.
    notify_init(kAppName);
}

DesktopNotifier::~DesktopNotifier() { notify_uninit(); }

void DesktopNotifier::Show(const Notification& notification) {
    // Services may read the body as markup; the page's words must not be.
    gchar* body = notification.body.empty() ? nullptr : g_markup_escape_text(notification.body.c_str(), -1);
    NotifyNotification* shown = notify_notification_new(notification.summary.c_str(), body, nullptr);
    g_free(body);
    GError* error = nullptr;
    if (!notify_notification_show(shown, &error)) {
        Fail(error ? error->message : "unknown error");
        if (error) g_error_free(error);
    }
    g_object_unref(G_OBJECT(shown));
}

void DesktopNotifier::Fail(const std::string& reason) {
    if (reported_) return;
    reported_ = true;
    report_("no desktop notification service (" + reason + "); the watch goes on without notifications");
}

}  // namespace lookout
