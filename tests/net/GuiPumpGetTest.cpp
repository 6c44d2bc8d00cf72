// A GET over the program's pump: FLTK keeps running its timers meanwhile.
#include <gtest/gtest.h>
// After gtest: X11 defines None and Bool as macros.
#include <FL/Fl.H>
#include <FL/x.H>

#include "LoopbackServers.h"
#include "net/HttpClient.h"
#include "toolkit/FltkPump.h"

namespace lookout {
namespace {

TEST(FltkPumpGet, TheEventLoopRunsDuringAFetch) {
    fl_open_display();
    FltkPump pump;
    test::HttpServer server(pump, {test::Reply{{"HTTP/1.0 200 OK\r\n\r\nlate"}, true, std::chrono::milliseconds(100)}});
    THttpClient http(pump);
    http.TimeOut = 10000;
    int ticks = 0;
    std::function<void()> tick = [&] {
        ++ticks;
        pump.StartTimer(std::chrono::milliseconds(10), tick);
    };
    pump.StartTimer(std::chrono::milliseconds(10), tick);
    http.Get("http://127.0.0.1:" + std::to_string(server.Port()) + "/");
    EXPECT_EQ(http.Body, "late");
    EXPECT_GE(ticks, 3);
}

// On Windows a refused connect shows only as an error on the socket; it still
// ends the wait at once, not at the time limit.
TEST(FltkPumpGet, ARefusedConnectFailsAtOnce) {
    fl_open_display();
    FltkPump pump;
    test::RefusingPort refusing;
    THttpClient http(pump);
    http.TimeOut = 20000;
    try {
        http.Get("http://127.0.0.1:" + std::to_string(refusing.Port()) + "/");
        ADD_FAILURE() << "no error";
    } catch (const ESockError& e) {
        EXPECT_EQ(e.Message(), "Connection Failed");
    }
}

}  // namespace
}  // namespace lookout
