#include "companion/DesktopNotifier.h"

#include <gio/gio.h>

#include <map>
#include <optional>
#include <vector>

#include "platform/Exception.h"

namespace lookout {

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";

// A private GLib main context served by the pump: its descriptors are watched
// there and its next timeout is a pump timer, so GDBus's answers (which its
// own thread hands over through the context's wake-up descriptor) run from
// the pump's wait. It is the thread's default context while it lives, so the
// calls made meanwhile answer on it. Answers still due when it goes are never
// dispatched: nothing runs the context then.
class GlibOnPump {
public:
    explicit GlibOnPump(Pump& pump) : pump_(pump), context_(g_main_context_new()) {
        g_main_context_push_thread_default(context_);
        g_main_context_acquire(context_);
        Arm();
    }
    ~GlibOnPump() {
        watched_.clear();
        pump_.StopTimer(timer_);
        g_main_context_release(context_);
        g_main_context_pop_thread_default(context_);
        g_main_context_unref(context_);
    }
    GlibOnPump(const GlibOnPump&) = delete;
    GlibOnPump& operator=(const GlibOnPump&) = delete;

    // Tells the pump what the context waits for now; again after every call
    // that may have added a source.
    void Arm() {
        g_main_context_prepare(context_, &priority_);
        gint timeout = -1;
        for (;;) {
            const gint n = g_main_context_query(context_, priority_, &timeout, polled_.data(), gint(polled_.size()));
            const bool fits = std::size_t(n) <= polled_.size();
            polled_.resize(std::size_t(n));
            if (fits) break;
        }
        std::map<int, unsigned> wanted;
        for (const GPollFD& p : polled_)
            wanted[p.fd] |= (p.events & G_IO_IN ? kReadable : 0u) | (p.events & G_IO_OUT ? kWritable : 0u);
        std::erase_if(watched_, [&wanted](const auto& w) { return wanted.count(w.first) == 0; });
        for (const auto& [fd, events] : wanted) {
            Watched& w = watched_[fd];
            if (w.events == events) continue;
            w.events = events;
            w.watch = pump_.Watch(fd, events, [this, fd = fd](unsigned ready) { Dispatch(fd, ready); });
        }
        pump_.StopTimer(std::exchange(timer_, 0));
        if (timeout >= 0)
            timer_ = pump_.StartTimer(std::chrono::milliseconds(timeout), [this] {
                timer_ = 0;
                Dispatch(-1, 0);
            });
    }

private:
    void Dispatch(int fd, unsigned ready) {
        const gushort events = (ready & kReadable ? G_IO_IN : 0) | (ready & kWritable ? G_IO_OUT : 0);
        for (GPollFD& p : polled_) p.revents = p.fd == fd ? (p.events & events) : 0;
        if (g_main_context_check(context_, priority_, polled_.data(), gint(polled_.size())))
            g_main_context_dispatch(context_);
        Arm();
    }

    Pump& pump_;
    GMainContext* context_;
    gint priority_ = 0;
    std::vector<GPollFD> polled_;
    struct Watched {
        unsigned events = 0;
        SocketWatch watch;
    };
    std::map<int, Watched> watched_;
    TimerService::TimerId timer_ = 0;
};

std::string Seconds(std::chrono::milliseconds limit) {
    return std::to_string((limit.count() + 999) / 1000) + " s";
}

}  // namespace

class DesktopNotifier::Bus {
public:
    Bus(Pump& pump, std::chrono::milliseconds limit, std::function<void(const std::string&)> report)
        : pump_(pump), limit_(limit), report_(std::move(report)), glib_(pump) {}
    ~Bus() {
        if (connection_) g_object_unref(connection_);
    }

    void Connect() {
        GError* error = nullptr;
        gchar* address = g_dbus_address_get_for_bus_sync(G_BUS_TYPE_SESSION, nullptr, &error);
        if (!address) Refuse(error);
        const auto flags = GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                                G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION);
        g_dbus_connection_new_for_address(address, flags, nullptr, nullptr, Connected, this);
        g_free(address);
        glib_.Arm();
        bool late = false;
        const auto timer = pump_.StartTimer(limit_, [&late] { late = true; });
        while (!found_ && !late) pump_.WaitOnce();
        pump_.StopTimer(timer);
        if (!found_)
            throw Exception("no desktop notification service: the session bus did not answer within " + Seconds(limit_));
        if (!found_->empty()) throw Exception("no desktop notification service (" + *found_ + ")");
    }

    void Show(const Notification& notification) {
        // Services may read the body as markup; the page's words must not be.
        gchar* body = g_markup_escape_text(notification.body.c_str(), -1);
        const gchar* const noActions[] = {nullptr};
        GVariantBuilder hints;
        g_variant_builder_init(&hints, G_VARIANT_TYPE("a{sv}"));
        g_dbus_connection_call(connection_, kService, "/org/freedesktop/Notifications", kService, "Notify",
                               g_variant_new("(susss^asa{sv}i)", "lookout-status", 0u, "",
                                             notification.summary.c_str(), body, noActions, &hints, -1),
                               G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, int(limit_.count()), nullptr, Answered,
                               this);
        g_free(body);
        glib_.Arm();  // the call's time limit is a new source
    }

private:
    [[noreturn]] static void Refuse(GError* error) {
        const std::string reason = error->message;
        g_error_free(error);
        throw Exception("no desktop notification service (" + reason + ")");
    }

    // The reply to a step of Connect; null, with found_ saying why, when it failed.
    static GVariant* Finish(GObject* source, GAsyncResult* result, Bus* self) {
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
        if (!reply) {
            self->found_ = error->message;
            g_error_free(error);
        }
        return reply;
    }
    void AskBus(const char* method, GVariant* parameters, const GVariantType* type, GAsyncReadyCallback then) {
        g_dbus_connection_call(connection_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                               method, parameters, type, G_DBUS_CALL_FLAGS_NONE, int(limit_.count()), nullptr, then,
                               this);
    }

    static void Connected(GObject*, GAsyncResult* result, gpointer data) {
        auto* self = static_cast<Bus*>(data);
        GError* error = nullptr;
        self->connection_ = g_dbus_connection_new_for_address_finish(result, &error);
        if (!self->connection_) {
            self->found_ = std::string("cannot reach the session bus: ") + error->message;
            g_error_free(error);
            return;
        }
        self->AskBus("NameHasOwner", g_variant_new("(s)", kService), G_VARIANT_TYPE("(b)"), Owned);
    }
    static void Owned(GObject* source, GAsyncResult* result, gpointer data) {
        auto* self = static_cast<Bus*>(data);
        GVariant* reply = Finish(source, result, self);
        if (!reply) return;
        gboolean owned = FALSE;
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
        // A service the bus starts on the first call counts too.
        if (owned) self->found_ = "";
        else self->AskBus("ListActivatableNames", nullptr, G_VARIANT_TYPE("(as)"), Listed);
    }
    static void Listed(GObject* source, GAsyncResult* result, gpointer data) {
        auto* self = static_cast<Bus*>(data);
        GVariant* reply = Finish(source, result, self);
        if (!reply) return;
        const gchar** names = nullptr;
        g_variant_get(reply, "(^a&s)", &names);
        self->found_ = g_strv_contains(names, kService) ? "" : std::string(kService) + " is not on the session bus";
        g_free(names);
        g_variant_unref(reply);
    }

    static void Answered(GObject* source, GAsyncResult* result, gpointer data) {
        auto* self = static_cast<Bus*>(data);
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
        if (reply) {
            g_variant_unref(reply);
            return;
        }
        const std::string reason = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_TIMED_OUT)
                                       ? "the desktop notification service did not answer within " + Seconds(self->limit_)
                                       : std::string("a desktop notification failed: ") + error->message;
        g_error_free(error);
        if (self->reported_) return;
        self->reported_ = true;
        self->report_(reason + "; the watch goes on, later failures unreported");
    }

    Pump& pump_;
    const std::chrono::milliseconds limit_;
    std::function<void(const std::string&)> report_;
    GlibOnPump glib_;
    GDBusConnection* connection_ = nullptr;
    std::optional<std::string> found_;  // Connect's answer: empty when the service is there, else why not
    bool reported_ = false;
};

DesktopNotifier::DesktopNotifier(Pump& pump, std::chrono::milliseconds limit,
                                 std::function<void(const std::string&)> report)
    : bus_(std::make_unique<Bus>(pump, limit, std::move(report))) {
    bus_->Connect();
}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::Show(const Notification& notification) { bus_->Show(notification); }

}  // namespace lookout
