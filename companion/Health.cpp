#include "companion/Health.h"

namespace lookout {

ExitStatus HealthOf(const Servers& servers) {
    ExitStatus worst = kExitOk;
    for (const ServerState& server : servers) {
        if (!server.state || *server.state == "Down") return kExitCritical;
        if (*server.state != "Good") worst = kExitWarning;
    }
    return worst;
}

}  // namespace lookout
