#pragma once
// The ways the service misbehaves, named once for --fault and for
// /control/fault alike, and which misbehaviour each page shows: one fault for
// all pages, overridden by faults for the pages whose path ends in a given
// suffix.
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lookout::demo {

enum class FaultMode {
    Normal,
    Slow,         // the normal reply after `ms`
    Silent,       // the request is read, no reply ever comes
    Reset,        // the connection is reset at once
    EarlyClose,   // closed in the middle of the status line
    NotFound,     // 404 with a small HTML body
    Redirect,     // 302 to `to`, by default the same path again: a loop
    Garbage,      // random bytes instead of a reply
    Empty,        // 200 with an empty body
    Trickle,      // the normal reply one byte every `ms` (a second by default)
    Endless,      // a body that never ends
    Huge,         // a 100 MB body
    NoHeaderEnd,  // header lines forever, never the empty line
    Nuls,         // NUL bytes sprinkled into the page
    BadEuc,       // invalid EUC-JP in the address page
    ManyLines,    // every page padded to 10,000 lines
    Refused,      // the listener closed for `ms`: the service's, not a page's
};

std::string_view FaultName(FaultMode mode);
// The pause a mode has unless told otherwise: 3 s before a slow reply, 1 s
// between trickled bytes and of refusal.
std::chrono::milliseconds DefaultPause(FaultMode mode);
std::optional<FaultMode> FaultByName(std::string_view name);
// One line a mode, "  slow         ...", for --help.
std::string FaultModesHelp();

struct Fault {
    FaultMode mode = FaultMode::Normal;
    std::chrono::milliseconds pause{0};  // slow: before the reply; trickle: between bytes
    std::string redirectTo;              // redirect: empty means the request's own path
};

class FaultTable {
public:
    // A fault for every page: clears the per-suffix faults too, so "normal"
    // restores the plain service.
    void SetAll(Fault fault);
    // A fault for the pages whose path ends in `suffix`; "normal" removes it.
    void SetFor(std::string suffix, Fault fault);

    // The fault of the longest suffix the path ends in, else the one for all.
    const Fault& For(std::string_view path) const;

    // One line a fault: "* slow ms=500", "/status.txt redirect to=/x".
    std::string Describe() const;

private:
    Fault all_;
    std::vector<std::pair<std::string, Fault>> bySuffix_;
};

}  // namespace lookout::demo
