#pragma once
// SIGTERM and SIGINT as a readable descriptor, so the poll loop can end
// cleanly instead of dying inside a system call.
namespace lookout::demo {

// Installs the handlers (and ignores SIGPIPE); the returned descriptor
// becomes readable once a stop signal has arrived.
int InstallStopSignals();

}  // namespace lookout::demo
