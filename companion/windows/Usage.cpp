#include "companion/Options.h"

namespace lookout {

const char* const kUsageOfThisSystem =
    "The window's SERVER.INI is the one beside lookout.exe for a portable copy (an\n"
    "unpacked zip), and %APPDATA%\\Lookout\\SERVER.INI for an installed one (until its\n"
    "first start, SERVER-DEFAULT.INI in the installation folder).\n"
    "\n"
    "Examples:\n"
    "  the table in a console (UTF-8):\n"
    "    lookout-status\n"
    "  a portable copy's settings, as JSON:\n"
    "    lookout-status --json --config D:\\Lookout\\SERVER.INI\n"
    "  the metrics for windows_exporter's textfile collector:\n"
    "    lookout-status --watch --prometheus \"C:\\Program Files\\windows_exporter\\textfile_inputs\\lookout.prom\"\n";

}  // namespace lookout
