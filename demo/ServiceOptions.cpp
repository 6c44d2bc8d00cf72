#include "demo/ServiceOptions.h"

#include <algorithm>

#include "platform/Exception.h"
#include "platform/IntegerText.h"

namespace lookout::demo {

const char* const kUsage =
    "usage: lookout-demo-service --port N [--port-file PATH] [--interval SECONDS] [--seed N] [--fault MODE]\n";

std::string Help() {
    return "\n"
           "A stand-in for the game's status service, on 127.0.0.1, for the demo and the tests.\n"
           "  --port N          the port to listen on; 0 takes a free one\n"
           "  --port-file PATH  write the port there once listening\n"
           "  --interval S      the refresh interval served as /loadtime.txt, and the time\n"
           "                    between changes of the pages (default 10)\n"
           "  --seed N          the seed of the changing pages (default 1)\n"
           "  --fault MODE      misbehave from the start, on every page (modes below)\n"
           "  --help            print this and exit\n"
           "\n"
           "Pages: PREFIX/loadtime.txt, PREFIX/status.txt and PREFIX/party.txt for any\n"
           "PREFIX, /ipmap/NAME (the EUC-JP address page), and /NAME and / (a small page\n"
           "for the monitor's Site button). The counts change every interval; a server's\n"
           "state and its party and guild words can change only every 6 intervals (a\n"
           "minute at the default), so a short watch may see none change.\n"
           "\n"
           "While it runs, GET /control/fault?mode=MODE[&path=SUFFIX][&ms=N][&to=URL]\n"
           "switches a fault on and /control/state lists the faults in force:\n"
           "  path=SUFFIX  only the pages whose path ends in SUFFIX; without it every\n"
           "               page, and the faults set for suffixes are dropped\n"
           "  ms=N         milliseconds: slow, the wait before the reply; trickle, the\n"
           "               wait between bytes; refused, how long\n"
           "  to=URL       redirect: where to (URL-encoded); by default the same path\n"
           "mode=normal switches a fault off. The modes, for --fault and mode= alike:\n" +
           FaultModesHelp() + "Ctrl+C or SIGTERM stops it.\n";
}

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
