#include "demo/ServiceOptions.h"

#include <algorithm>

#include "platform/Exception.h"
#include "platform/IntegerText.h"

namespace lookout::demo {

const char* const kUsage =
    "usage: lookout-demo-service --port N [--port-file PATH] [--interval SECONDS] [--seed N] [--fault MODE]\n";
const char* const kHelp =
    "\n"
    "A stand-in for the game's status service, on 127.0.0.1, for the demo and the tests.\n"
    "  --port N          the port to listen on; 0 takes a free one\n"
    "  --port-file PATH  write the port there once listening\n"
    "  --interval S      the refresh interval served as /loadtime.txt (default 10)\n"
    "  --seed N          the seed of the changing pages (default 1)\n"
    "  --fault MODE      misbehave from the start: slow, silent, reset, notfound, ...\n"
    "  --help            print this and exit\n"
    "\n"
    "While it runs, GET /control/fault?mode=M[&path=SUFFIX] switches a fault on,\n"
    "mode=normal switches it off, and /control/state lists the faults.\n"
    "Ctrl+C or SIGTERM stops it.\n";

namespace {

std::int32_t Number(const std::string& option, const std::string& text, std::int32_t min, std::int32_t max) {
    std::int32_t value = 0;
    if (text.empty() || !TryStrToInt(text, value) || value < min || value > max)
        throw Exception(option + " wants a number from " + std::to_string(min) + " to " + std::to_string(max) +
                        ", not '" + text + "'");
    return value;
}

}  // namespace

ServiceOptions ParseServiceOptions(const std::vector<std::string>& args) {
    ServiceOptions options;
    bool havePort = false;
    if (std::ranges::find(args, "--help") != args.end() || std::ranges::find(args, "-h") != args.end()) {
        options.help = true;
        return options;
    }
    static const std::vector<std::string> known = {"--port", "--port-file", "--interval", "--seed", "--fault"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (std::ranges::find(known, option) == known.end()) throw Exception("unknown option " + option);
        if (i + 1 >= args.size()) throw Exception(option + " wants a value");
        const std::string& value = args[++i];
        if (option == "--port") {
            options.settings.port = Number(option, value, 0, 65535);
            havePort = true;
        } else if (option == "--port-file") {
            options.portFile = value;
        } else if (option == "--interval") {
            options.settings.intervalSeconds = Number(option, value, 0, 2000000);
        } else if (option == "--seed") {
            options.settings.seed = static_cast<std::uint32_t>(Number(option, value, 0, INT32_MAX));
        } else if (option == "--fault") {
            const std::optional<FaultMode> mode = FaultByName(value);
            if (!mode) throw Exception("unknown fault mode '" + value + "'");
            options.settings.fault.mode = *mode;
            options.settings.fault.pause = DefaultPause(*mode);
        }
    }
    if (!havePort) throw Exception("--port is required");
    return options;
}

}  // namespace lookout::demo
