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
    bool help = false;     // --help: print kUsage and kHelp, do nothing else
};

// Raises Exception with a line for the user on a bad command line.
ServiceOptions ParseServiceOptions(const std::vector<std::string>& args);

extern const char* const kUsage;  // after a bad command line
extern const char* const kHelp;   // what each option means, after kUsage

}  // namespace lookout::demo
