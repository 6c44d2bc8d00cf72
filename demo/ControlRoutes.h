#pragma once
// The service's own control pages, always served normally:
//   /control/fault?mode=MODE[&path=SUFFIX][&ms=N][&to=URL]  sets a fault
//   /control/state                                          lists the faults
// mode=refused&ms=N closes the listener for N ms instead. The modes are
// FaultTable's.
#include <chrono>
#include <optional>
#include <string>

#include "demo/FaultTable.h"
#include "platform/HttpRequest.h"

namespace lookout::demo {

struct ControlAnswer {
    std::string reply;  // a whole HTTP reply
    std::optional<std::chrono::milliseconds> refuseFor;
};

bool IsControlPath(const std::string& path);

// Applies a fault request to the table and says what was done.
ControlAnswer AnswerControl(const Request& request, FaultTable& faults);

}  // namespace lookout::demo
