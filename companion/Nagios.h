#pragma once
// The result of a Nagios or Icinga service check, in the Monitoring Plugins
// form: a first line "LOOKOUT STATE - text|performance data" whose state
// matches the exit status, then one line per server that is not Good.
#include <chrono>
#include <string>

#include "companion/ServerState.h"

namespace lookout {

// First line: "LOOKOUT CRITICAL - 2 Down (PatchServerFV6, GameServer06), 1
// missing (GameServer07), 2 Dead, 1 Closed, 20 Good|'LoginServer'=326;;;0;5000
// ... 'time'=0.412s;;;0;10": the servers counted per state word (Down and
// missing named), a value for each server whose count fields are integers,
// and how long the run took out of its time limit.
std::string FormatNagios(const Servers& servers, std::chrono::duration<double> took, int timeoutSeconds);

// "LOOKOUT UNKNOWN - " and the reason, which names the page that failed.
std::string NagiosUnknown(const std::string& utf8Reason);

}  // namespace lookout
