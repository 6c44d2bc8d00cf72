#include "companion/Options.h"

#include "companion/Durations.h"
#include "monitor/SlotTable.h"
#include "platform/Exception.h"

namespace lookout {

const char* const kUsage =
    "Usage: lookout-status [--config FILE] [--json | --nagios] [--prometheus FILE]\n"
    "                      [--watch] [--notify] [--alert-after N]\n"
    "                      [--listen ADDRESS:PORT [--listen-any]]\n"
    "                      [--timeout SECONDS] [--help] [--version]\n"
    "                      [--history FILE [--keep DAYS]]\n"
    "       lookout-status --report [--json] [--ascii] --history FILE [--since DURATION]\n"
    "       lookout-status --export --history FILE [--since DURATION]\n"
    "       lookout-status --chart FILE.svg --history FILE [--since DURATION] [--server KEY]...\n"
    "Shows the servers the Lookout window monitors, read from the same status service:\n"
    "a table with a header row (SERVER, STATE, COUNTS, REST, PARTY, GUILD, ADDRESS),\n"
    "one row per server.\n"
    "\n"
    "  --config FILE       read the settings from FILE instead of the window's SERVER.INI\n"
    "  --json              print one JSON document instead of the table\n"
    "  --nagios            print a Nagios/Icinga plugin result instead of the table:\n"
    "                      LOOKOUT OK|WARNING|CRITICAL|UNKNOWN - counts|performance data\n"
    "  --prometheus FILE   also write the metrics in the Prometheus text format to FILE,\n"
    "                      replacing it whole (for node exporter's textfile collector);\n"
    "                      '-' writes them to standard output instead of the table\n"
    "  --watch             print the table, then one line for every change until\n"
    "                      interrupted; --prometheus FILE is rewritten after every refresh\n"
    "  --notify            as --watch, and show every state change as a desktop\n"
    "                      notification; stops at once when there is no notification service\n"
    "  --alert-after N     with --watch, report a change (its line and its notification)\n"
    "                      only once the new word has held for N refreshes (default 1)\n"
    "  --listen ADDRESS:PORT\n"
    "                      with --watch, serve GET /metrics (the metrics and the count\n"
    "                      of refreshes read and failed) and GET /health (200 while the\n"
    "                      last refresh read the status page, else 503) over HTTP on\n"
    "                      ADDRESS, a loopback address such as 127.0.0.1 or localhost\n"
    "  --listen-any        let --listen take an address other machines reach\n"
    "  --timeout SECONDS   give up on the service after SECONDS (default 10): bounds the\n"
    "                      whole one-shot run, and each refresh of --watch\n"
    "  --history FILE      with --watch: record every refresh in the SQLite file FILE;\n"
    "                      with --report or --export: read it\n"
    "  --keep DAYS         keep DAYS days of history (default 90); raw refreshes stay\n"
    "                      48 hours, then one row per server and hour\n"
    "  --report            print, per server, uptime, coverage, outages and users over\n"
    "                      --since (30m, 24h, 7d; default 24h) from the history\n"
    "  --export            write the history of --since as CSV\n"
    "  --ascii             draw the report's sparkline in ASCII\n"
    "  --chart FILE.svg    draw the history of --since as an SVG picture: a lane per\n"
    "                      server, the users against time, Down and Dead red, Closed\n"
    "                      grey, no data hatched\n"
    "  --server KEY        only this server's lane in --chart (again for more)\n"
    "  --help              print this text\n"
    "  --version           print the version\n"
    "\n"
    "State words: Good (green on a terminal), Down (red), Dead (yellow), Closed (blue),\n"
    "any other word the service uses, and missing for a server the status page lacks.\n"
    "Set NO_COLOR to keep the table plain.\n"
    "\n"
    "Exit status: 0 every server Good, 1 none Down or missing but not all Good,\n"
    "2 some server Down or missing, 3 the status page, the settings, the notification\n"
    "service or the metrics file failed, or a wrong command line.\n"
    "\n";

namespace {

// The value of an option that takes one: "--name VALUE" or "--name=VALUE".
std::optional<std::string> ValueOf(const std::string& name, const std::vector<std::string>& args, std::size_t& i) {
    const std::string& arg = args[i];
    std::string value;
    if (arg == name) {
        if (i + 1 == args.size()) throw Exception(name + " needs a value");
        value = args[++i];
    } else if (arg.starts_with(name + "=")) {
        value = arg.substr(name.size() + 1);
    } else {
        return std::nullopt;
    }
    if (value.empty()) throw Exception(name + " needs a value");
    return value;
}

// A whole number from 1 to `most`, for the option `name`.
long WholeNumber(const std::string& name, const std::string& text, long most, const std::string& what) {
    long value = 0;
    bool digits = !text.empty() && text.size() <= 7;
    for (const char c : text) {
        digits = digits && c >= '0' && c <= '9';
        if (digits) value = value * 10 + (c - '0');
    }
    if (!digits || value < 1 || value > most)
        throw Exception(name + " needs a whole number of " + what + " from 1 to " + std::to_string(most) + ", not '" +
                        text + "'");
    return value;
}

int Seconds(const std::string& text) {
    constexpr long kMost = 2147483;  // the client counts milliseconds in an int
    return static_cast<int>(WholeNumber("--timeout", text, kMost, "seconds"));
}

// A server key of the slot table, for --server.
std::string ServerKey(const std::string& text) {
    for (const SlotDef& slot : kSlots)
        if (slot.key == text) return text;
    throw Exception("--server needs a server key such as " + std::string(kSlots[0].key) + ", not '" + text + "'");
}

// The options of the history; false when args[i] is none of them.
bool HistoryOption(const std::vector<std::string>& args, std::size_t& i, Options& options) {
    const std::string& arg = args[i];
    if (arg == "--report") {
        options.report = true;
    } else if (arg == "--export") {
        options.exportCsv = true;
    } else if (arg == "--ascii") {
        options.ascii = true;
    } else if (auto file = ValueOf("--history", args, i)) {
        options.history = std::move(file);
    } else if (auto days = ValueOf("--keep", args, i)) {
        options.keepDays = static_cast<int>(WholeNumber("--keep", *days, 36500, "days"));
    } else if (auto since = ValueOf("--since", args, i)) {
        options.since = ParseDuration(*since);
    } else if (auto chart = ValueOf("--chart", args, i)) {
        options.chart = std::move(chart);
    } else if (auto server = ValueOf("--server", args, i)) {
        options.chartServers.push_back(ServerKey(*server));
    } else {
        return false;
    }
    return true;
}

void CheckChartOptions(const Options& options) {
    if (!options.chart) {
        if (!options.chartServers.empty()) throw Exception("--server needs --chart FILE.svg");
        return;
    }
    if (!options.history) throw Exception("--chart needs --history FILE");
    if (options.report || options.exportCsv || options.watch || options.json || options.nagios || options.prometheus)
        throw Exception(
            "--chart cannot be combined with --report, --export, --watch, --notify, --json, --nagios or "
            "--prometheus");
}

void CheckHistoryOptions(const Options& options) {
    CheckChartOptions(options);
    const bool reading = options.report || options.exportCsv || options.chart;
    if (options.report && options.exportCsv) throw Exception("--report cannot be combined with --export");
    if (reading && !options.history)
        throw Exception(std::string(options.report ? "--report" : "--export") + " needs --history FILE");
    if (reading && (options.watch || options.nagios || options.prometheus))
        throw Exception(std::string(options.report ? "--report" : "--export") +
                        " cannot be combined with --watch, --notify, --nagios or --prometheus");
    if (options.exportCsv && options.json) throw Exception("--export cannot be combined with --json");
    if (options.history && !reading && !options.watch) throw Exception("--history needs --watch, --report or --export");
    if (options.keepDays != kDefaultKeepDays && !(options.history && options.watch))
        throw Exception("--keep needs --watch and --history FILE");
}

}  // namespace

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--nagios") {
            options.nagios = true;
        } else if (arg == "--watch") {
            options.watch = true;
        } else if (arg == "--notify") {
            options.notify = options.watch = true;
        } else if (arg == "--listen-any") {
            options.listenAny = true;
        } else if (arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (auto config = ValueOf("--config", args, i)) {
            options.configPath = std::move(config);
        } else if (auto file = ValueOf("--prometheus", args, i)) {
            options.prometheus = std::move(file);
        } else if (auto refreshes = ValueOf("--alert-after", args, i)) {
            options.alertAfter = static_cast<int>(WholeNumber("--alert-after", *refreshes, 1000, "refreshes"));
        } else if (auto listen = ValueOf("--listen", args, i)) {
            options.listen = ParseListenAddress(*listen);
        } else if (auto seconds = ValueOf("--timeout", args, i)) {
            options.timeoutSeconds = Seconds(*seconds);
        } else if (!HistoryOption(args, i, options)) {
            throw Exception("unknown argument '" + arg + "'");
        }
    }
    CheckHistoryOptions(options);
    if (options.json && options.nagios) throw Exception("--json cannot be combined with --nagios");
    if ((options.json || options.nagios) && options.watch)
        throw Exception(std::string(options.json ? "--json" : "--nagios") +
                        " cannot be combined with --watch or --notify");
    if (options.prometheus == "-" && (options.json || options.nagios))
        throw Exception("--prometheus - takes standard output, so it cannot be combined with --json or --nagios");
    if (options.alertAfter != 1 && !options.watch)
        throw Exception("--alert-after counts the watch's refreshes, so it needs --watch or --notify");
    if (options.listen && !options.watch)
        throw Exception("--listen serves the watch's metrics, so it needs --watch or --notify");
    if (options.listenAny && !options.listen) throw Exception("--listen-any needs --listen ADDRESS:PORT");
    if (options.listen && !options.listen->Loopback() && !options.listenAny)
        throw Exception("--listen " + options.listen->text +
                        " is not a loopback address: add --listen-any to serve other machines too");
    return options;
}

}  // namespace lookout
