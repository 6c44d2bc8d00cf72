#pragma once
// The service's command line:
//   lookout-demo-service --port N [--port-file PATH] [--interval SECONDS]
//                        [--seed N] [--fault MODE]
//   lookout-demo-service --help
#include <string>
#include <vector>

#include "demo/DemoService.h"

namespace lookout::demo {

struct ServiceOptions {
    ServiceSettings settings;
    std::string portFile;  // empty: none
    bool help = false;     // --help: print kUsage and Help(), do nothing else
};

// Raises Exception with a line for the user on a bad command line.
ServiceOptions ParseServiceOptions(const std::vector<std::string>& args);

extern const char* const kUsage;  // after a bad command line
std::string Help();               // what each option and mode means, after kUsage

}  // namespace lookout::demo
