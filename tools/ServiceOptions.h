#pragma once
// The service's command line:
//   lookout-demo-service --port N [--port-file PATH] [--interval SECONDS]
//                        [--seed N] [--fault MODE]
#include <string>
#include <vector>

#include "tools/DemoService.h"

namespace lookout::demo {

struct ServiceOptions {
    ServiceSettings settings;
    std::string portFile;  // empty: none
};

// Raises Exception with a line for the user on a bad command line.
ServiceOptions ParseServiceOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace lookout::demo
