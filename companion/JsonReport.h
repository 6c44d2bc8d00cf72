#pragma once
// The one-shot report as one JSON document (UTF-8).
#include <cstdint>
#include <string>

#include "companion/ServerState.h"

namespace lookout {

struct Report {
    std::string fetched;    // ISO 8601 with offset
    std::string sourceUrl;  // the status page's URL, Shift-JIS like every text here
    std::int64_t intervalSeconds = 0;
    const Servers& servers;
};

// {"fetched", "source", "interval_s", "servers": [{"key", "state", "counts",
// "rest", "colour", "party", "guild", "hint"}, ...]}; a server without a
// status line has the state "missing", other missing values are null.
std::string FormatJson(const Report& report);

// A JSON string of a Shift-JIS text, quotes included.
std::string JsonQuoted(const std::string& sjis);

}  // namespace lookout
