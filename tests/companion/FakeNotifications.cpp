#include "FakeNotifications.h"

#include <gio/gio.h>
#include <signal.h>

#include <cstdio>
#include <future>
#include <stdexcept>

namespace lookout::test {

namespace {

constexpr const char* kInterface = R"(<node><interface name="org.freedesktop.Notifications">
  <method name="Notify"><arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="s" direction="in"/>
    <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="as" direction="in"/>
    <arg type="a{sv}" direction="in"/><arg type="i" direction="in"/><arg type="u" direction="out"/></method>
  <method name="GetCapabilities"><arg type="as" direction="out"/></method>
  <method name="GetServerInformation"><arg type="s" direction="out"/><arg type="s" direction="out"/>
    <arg type="s" direction="out"/><arg type="s" direction="out"/></method>
  <method name="CloseNotification"><arg type="u" direction="in"/></method>
</interface></node>)";

std::string Line(FILE* from) {
    char text[512] = {};
    if (!std::fgets(text, sizeof text, from)) throw std::runtime_error("dbus-daemon did not start");
    std::string line = text;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

}  // namespace

struct FakeNotifications::Service {
    const Mode mode;
    mutable std::mutex mutex;
    mutable std::condition_variable arrived;
    std::vector<std::string> received;
    std::vector<GDBusMethodInvocation*> unanswered;
    GMainContext* context = g_main_context_new();
    GMainLoop* loop = g_main_loop_new(context, FALSE);

    explicit Service(Mode serviceMode) : mode(serviceMode) {}
    ~Service() {
        g_main_loop_unref(loop);
        g_main_context_unref(context);
    }

    static void Call(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* method,
                     GVariant* parameters, GDBusMethodInvocation* invocation, gpointer self) {
        auto* service = static_cast<Service*>(self);
        const std::string name = method;
        if (name == "Notify") {
            const gchar *summary = nullptr, *body = nullptr;
            g_variant_get_child(parameters, 3, "&s", &summary);
            g_variant_get_child(parameters, 4, "&s", &body);
            std::lock_guard lock(service->mutex);
            service->received.push_back(std::string(summary) + "\n" + body);
            service->arrived.notify_all();
            if (service->mode == Mode::Silent) service->unanswered.push_back(invocation);
            else g_dbus_method_invocation_return_value(invocation, g_variant_new("(u)", service->received.size()));
        } else if (name == "GetCapabilities") {
            const gchar* caps[] = {"body", nullptr};
            g_dbus_method_invocation_return_value(invocation, g_variant_new("(^as)", caps));
        } else if (name == "GetServerInformation") {
            g_dbus_method_invocation_return_value(invocation, g_variant_new("(ssss)", "fake", "test", "1", "1.2"));
        } else {
            g_dbus_method_invocation_return_value(invocation, nullptr);
        }
    }

    void Serve(const std::string& address, std::promise<void>& ready) {
        g_main_context_push_thread_default(context);
        GError* error = nullptr;
        GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
            address.c_str(),
            GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                 G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kInterface, &error);
        static const GDBusInterfaceVTable vtable = {Call, nullptr, nullptr, {}};
        g_dbus_connection_register_object(bus, "/org/freedesktop/Notifications", node->interfaces[0], &vtable, this,
                                          nullptr, &error);
        GVariant* reply = g_dbus_connection_call_sync(
            bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
            g_variant_new("(su)", "org.freedesktop.Notifications", 4u), nullptr, G_DBUS_CALL_FLAGS_NONE, 5000,
            nullptr, &error);
        if (reply) g_variant_unref(reply);
        if (error) {
            ready.set_exception(std::make_exception_ptr(std::runtime_error(error->message)));
            g_error_free(error);
        } else {
            ready.set_value();
            g_main_loop_run(loop);
        }
        for (GDBusMethodInvocation* invocation : unanswered)
            g_dbus_method_invocation_return_dbus_error(invocation, "org.freedesktop.DBus.Error.Failed", "gone");
        g_dbus_node_info_unref(node);
        g_dbus_connection_close_sync(bus, nullptr, nullptr);
        g_object_unref(bus);
        g_main_context_pop_thread_default(context);
    }
};

FakeNotifications::FakeNotifications(Mode mode) : service_(std::make_unique<Service>(mode)) {
    FILE* daemon = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
    if (!daemon) throw std::runtime_error("cannot start dbus-daemon");
    const std::string address = Line(daemon);
    daemon_ = std::stoi(Line(daemon));
    pclose(daemon);
    setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
    if (mode == Mode::Absent) return;
    std::promise<void> ready;
    thread_ = std::thread([this, address, &ready] { service_->Serve(address, ready); });
    try {
        ready.get_future().get();
    } catch (...) {
        thread_.join();
        kill(daemon_, SIGTERM);
        throw;
    }
}

FakeNotifications::~FakeNotifications() {
    if (thread_.joinable()) {
        // Queued on the service's context, so a loop that has not started yet
        // still sees it.
        g_main_context_invoke(
            service_->context,
            [](gpointer loop) {
                g_main_loop_quit(static_cast<GMainLoop*>(loop));
                return G_SOURCE_REMOVE;
            },
            service_->loop);
        thread_.join();
    }
    kill(daemon_, SIGTERM);
}

std::vector<std::string> FakeNotifications::Received() const {
    std::lock_guard lock(service_->mutex);
    return service_->received;
}

std::vector<std::string> FakeNotifications::WaitFor(std::size_t count, std::chrono::milliseconds limit) const {
    std::unique_lock lock(service_->mutex);
    service_->arrived.wait_for(lock, limit, [&] { return service_->received.size() >= count; });
    return service_->received;
}

}  // namespace lookout::test
