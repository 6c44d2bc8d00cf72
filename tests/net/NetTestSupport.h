#pragma once
// What the network tests share: a pump with a watchdog that turns a hang
// into a failure, failures reduced to class and message, and the main
// window's lines of every request.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "net/HttpClient.h"
#include "net/SockErrors.h"
#include "platform/PollPump.h"

namespace lookout::test {

// What the main window's about-to-send hook does to every request (the
// request tests/support/LookoutRequest.h spells out).
inline void AddLookoutLines(THttpClient& http) {
    http.RequestHeader.Insert(1, "Host: " + http.Host);
    http.RequestHeader.Insert(3, "User-Agent: Lookout 050504");
    http.RequestHeader.Insert(4, "Referer: https://lookout-monitor.org/");
}

struct WatchdogExpired : std::runtime_error {
    WatchdogExpired() : std::runtime_error("watchdog: the test hung") {}
};

class NetTest : public ::testing::Test {
protected:
    void SetUp() override {
        watchdog_ = pump.StartTimer(std::chrono::seconds(20), [] { throw WatchdogExpired(); });
    }
    void TearDown() override { pump.StopTimer(watchdog_); }

    // A request for /x to a loopback port, by address or by a test name.
    static std::string Url(int port, const std::string& host = "127.0.0.1") {
        return "http://" + host + ":" + std::to_string(port) + "/x";
    }

    // Runs the pump until done holds.
    void RunUntil(const std::function<bool()>& done) {
        while (!done()) pump.WaitOnce();
    }

    PollPump pump;

private:
    TimerService::TimerId watchdog_ = 0;
};

struct Failure {
    std::string kind;  // the most derived of the layer's exception classes
    std::string message;
    bool operator==(const Failure&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Failure& f) {
    return out << f.kind << " \"" << f.message << "\"";
}

// What fn raised; kind "none" when it returned.
inline Failure FailureOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const EAbortError& e) {
        return {"EAbortError", e.Message()};
    } catch (const ESockError& e) {
        return {"ESockError", e.Message()};
    } catch (const EConvertError& e) {
        return {"EConvertError", e.Message()};
    } catch (const Exception& e) {
        return {"Exception", e.Message()};
    }
    return {"none", ""};
}

}  // namespace lookout::test
