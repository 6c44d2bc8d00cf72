#include "tools/ServiceOptions.h"

#include "platform/Exception.h"
#include "platform/IntegerText.h"

namespace lookout::demo {

const char* const kUsage =
    "usage: lookout-demo-service --port N [--port-file PATH] [--interval SECONDS] [--seed N] [--fault MODE]\n";

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
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
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
        } else {
            throw Exception("unknown option " + option);
        }
    }
    if (!havePort) throw Exception("--port is required");
    return options;
}

}  // namespace lookout::demo
