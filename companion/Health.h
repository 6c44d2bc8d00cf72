#pragma once
// The exit status, in the convention of monitoring plugins.
#include "companion/ServerState.h"

namespace lookout {

enum ExitStatus : int { kExitOk = 0, kExitWarning = 1, kExitCritical = 2, kExitUnknown = 3 };

// Ok when every server is Good, Critical when one is Down or missing,
// Warning otherwise.
ExitStatus HealthOf(const Servers& servers);

}  // namespace lookout
