#include "companion/Options.h"

namespace lookout {

const char* const kUsageOfThisSystem =
    "Examples:\n"
    "  Nagios or Icinga service check:\n"
    "    lookout-status --nagios --timeout 20 --config /etc/lookout/SERVER.INI\n"
    "  node exporter (--collector.textfile.directory=/var/lib/prometheus/node-exporter):\n"
    "    lookout-status --watch --prometheus /var/lib/prometheus/node-exporter/lookout.prom\n"
    "  desktop notifications from a systemd user service:\n"
    "    systemctl --user enable --now lookout-status\n";

}  // namespace lookout
