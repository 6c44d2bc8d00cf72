#include "companion/Options.h"

#include "platform/Exception.h"

namespace lookout {

const char* const kUsage =
    "Usage: lookout-status [--config FILE] [--json] [--watch] [--notify] [--help] [--version]\n"
    "Shows the servers the Lookout window monitors, read from the same status service.\n"
    "\n"
    "  --config FILE  read the settings from FILE instead of the window's SERVER.INI\n"
    "  --json         print one JSON document instead of the table\n"
    "  --watch        print the table, then one line for every change until interrupted\n"
    "  --notify       as --watch, and show every state change as a desktop notification\n"
    "  --help         print this text\n"
    "  --version      print the version\n"
    "\n"
    "Exit status: 0 every server Good, 1 none Down or missing but not all Good,\n"
    "2 some server Down or missing, 3 the status page or the settings could not be\n"
    "read, or a wrong command line.\n";

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--watch") {
            options.watch = true;
        } else if (arg == "--notify") {
            options.notify = options.watch = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--config" || arg.starts_with("--config=")) {
            if (arg == "--config" && i + 1 == args.size()) throw Exception("--config needs a file name");
            options.configPath = arg == "--config" ? args[++i] : arg.substr(9);
            if (options.configPath->empty()) throw Exception("--config needs a file name");
        } else {
            throw Exception("unknown argument '" + arg + "'");
        }
    }
    if (options.json && options.watch) throw Exception("--json cannot be combined with --watch or --notify");
    return options;
}

}  // namespace lookout
