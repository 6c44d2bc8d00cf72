#pragma once
// The command line:
//   lookout-status [--config FILE] [--json | --nagios] [--prometheus FILE]
//                  [--watch] [--notify] [--alert-after N] [--listen ADDRESS:PORT [--listen-any]]
//                  [--timeout SECONDS] [--help] [--version] [--history FILE [--keep DAYS]]
//   lookout-status --report [--json] [--ascii] --history FILE [--since DURATION]
//   lookout-status --export --history FILE [--since DURATION]
//   lookout-status --chart FILE.svg --history FILE [--since DURATION] [--server KEY]...
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "companion/ListenAddress.h"

namespace lookout {

inline constexpr int kDefaultKeepDays = 90;

struct Options {
    std::optional<std::string> configPath;  // nullopt: where the window reads SERVER.INI
    bool json = false;
    bool nagios = false;
    std::optional<std::string> prometheus;  // the metrics file; "-": stdout, instead of the table
    int timeoutSeconds = 10;                // bounds a one-shot run, and each refresh of a watch
    bool watch = false;  // --notify implies it
    bool notify = false;
    int alertAfter = 1;                   // a watch reports a change once it has held for this many refreshes
    std::optional<ListenAddress> listen;  // the watch's metrics endpoint
    bool listenAny = false;               // lets it listen on more than the loopback
    std::optional<std::string> history;  // the history file a watch records, a report reads
    int keepDays = kDefaultKeepDays;
    bool report = false;
    bool exportCsv = false;  // --export
    std::chrono::milliseconds since = std::chrono::hours(24);
    bool ascii = false;  // the report's sparkline in ASCII
    std::optional<std::string> chart;       // the SVG file --chart writes
    std::vector<std::string> chartServers;  // its lanes; empty: every server seen
    bool help = false;
    bool version = false;
};

// Raises Exception with one line for the user on a wrong command line.
Options ParseOptions(const std::vector<std::string>& args);

// The text of --help: the options and exit statuses, then where the window's
// settings live and examples, each system's own (posix/, windows/).
extern const char* const kUsage;
extern const char* const kUsageOfThisSystem;

}  // namespace lookout
