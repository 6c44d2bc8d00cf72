#pragma once
// The demo status service: one thread, one poll loop, any number of
// connections, each answered from the pages of the moment and the fault table.
#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include "demo/Connection.h"
#include "demo/FaultTable.h"
#include "platform/Listener.h"

namespace lookout::demo {

struct ServiceSettings {
    int port = 0;
    int intervalSeconds = 10;  // served as /loadtime.txt; also the length of a time step
    std::uint64_t seed = 1;
    Fault fault;  // for every page at start; refused: for the first `pause`
};

class DemoService {
public:
    // Listens at once; raises Exception when the port cannot be had.
    explicit DemoService(const ServiceSettings& settings);

    int Port() const { return listener_.Port(); }
    // Serves until `stop` becomes readable.
    void Run(SocketHandle stop);

private:
    Answer Route(const Request& request, Clock::time_point now);
    std::uint64_t StepAt(Clock::time_point now) const;
    void AcceptAll(Clock::time_point now);
    void KeepListenerOpen(Clock::time_point now);
    // Connections are refused until now + pause.
    void RefuseFor(Clock::time_point now, std::chrono::milliseconds pause);

    ServiceSettings settings_;
    Listener listener_;
    FaultTable faults_;
    std::string addressPage_;
    Clock::time_point start_;
    std::optional<Clock::time_point> reopenAt_;  // set while connections are refused
    bool reopenFailed_ = false;                  // the port was taken at the last try
    std::list<std::unique_ptr<Connection>> connections_;
    std::uint64_t accepted_ = 0;
};

}  // namespace lookout::demo
