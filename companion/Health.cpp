#include "companion/Health.h"

namespace lookout {

ExitStatus HealthOf(const Servers& servers) {
    ExitStatus worst = kExitOk;
    for (const ServerState& server : servers) {
        if (server.status == ServerStatus::Missing || server.status == ServerStatus::Down) return kExitCritical;
        if (server.status != ServerStatus::Good) worst = kExitWarning;
    }
    return worst;
}

}  // namespace lookout
