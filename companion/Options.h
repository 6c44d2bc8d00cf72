#pragma once
// The command line:
//   lookout-status [--config FILE] [--json] [--watch] [--notify] [--help] [--version]
#include <optional>
#include <string>
#include <vector>

namespace lookout {

struct Options {
    std::optional<std::string> configPath;  // nullopt: where the window reads SERVER.INI
    bool json = false;
    bool watch = false;  // --notify implies it
    bool notify = false;
    bool help = false;
    bool version = false;
};

// Raises Exception with one line for the user on a wrong command line.
Options ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace lookout
