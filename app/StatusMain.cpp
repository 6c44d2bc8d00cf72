// lookout-status: the servers the window monitors, from a terminal, a
// monitoring engine or a service manager. It reads SERVER.INI where the window
// does (or --config FILE), never writes it, and runs the window's refresh
// cycle on a headless pump. SIGINT and SIGTERM (on Windows the console's
// Ctrl+C) end it at once, a waiting fetch included.
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "companion/Companion.h"
#include "companion/DesktopNotifier.h"
#include "companion/HistoryOutput.h"
#include "companion/Nagios.h"
#include "companion/Options.h"
#include "monitor/Settings.h"
#include "monitor/SettingsLocation.h"
#include "refresh/Texts.h"
#include "platform/DisplayText.h"
#include "platform/Exception.h"
#include "platform/Messages.h"
#include "platform/PollPump.h"
#include "platform/SignalPipe.h"
#include "platform/Terminal.h"

int main(int argc, char** argv) {
    using namespace lookout;
    ConsoleOutputAsUtf8();
    const std::vector<std::string> args(argv + 1, argv + argc);
    // A service check that cannot run says why on stdout too: Nagios shows
    // stderr only when stdout is empty.
    const bool nagios = std::find(args.begin(), args.end(), "--nagios") != args.end();
    const auto fail = [nagios](const std::string& line) {
        std::cerr << "lookout-status: " << line << "\n";
        if (nagios) std::cout << NagiosUnknown(line);
        return kExitUnknown;
    };
    Options options;
    try {
        options = ParseOptions(args);
    } catch (const Exception& error) {
        fail(error.Message());
        std::cerr << "Try 'lookout-status --help'.\n";
        return kExitUnknown;
    }
    if (options.help) {
        std::cout << kUsage << kUsageOfThisSystem;
        return kExitOk;
    }
    if (options.version) {
        std::cout << "lookout-status (" << texts::kApplicationTitle << ")\n";
        return kExitOk;
    }

    const WallClock wallClock = [] { return std::chrono::system_clock::now(); };
    if (options.report || options.exportCsv || options.chart) {
        try {
            WriteHistoryOutput(options, wallClock, std::cout);
        } catch (const std::exception& error) {
            return fail(SjisToUtf8(error.what()));
        }
        return kExitOk;
    }

    const std::string path = options.configPath.value_or(SettingsPathToRead());
    Settings settings;
    try {
        settings = LoadSettings(path);
    } catch (const std::exception& error) {
        return fail("cannot read the settings " + path + ": " + messages::Described(error));
    }

    PollPump pump;
    Companion companion(pump, pump, settings, options, std::cout, std::cerr, ColourOnStdout());
    SignalPipe signals(pump, [&](int) { companion.Stop(); });
    if (options.history) {
        try {
            companion.UseHistory(std::make_unique<HistoryRecorder>(*options.history, options.keepDays, wallClock));
        } catch (const std::exception& error) {
            return fail("cannot record the history: " + SjisToUtf8(error.what()));
        }
    }
    std::unique_ptr<DesktopNotifier> notifier;
    if (options.notify) {
        try {
            notifier = std::make_unique<DesktopNotifier>(pump, std::chrono::seconds(options.timeoutSeconds),
                                                         [&](const std::string& line) { companion.Complain(line); });
        } catch (const Exception& error) {
            return fail(error.Message());
        }
    }

    int status = kExitUnknown;
    if (!options.watch) {
        status = companion.RunOnce();
    } else if (companion.StartWatch(notifier.get())) {
        while (!signals.Received()) pump.WaitOnce();
    }
    if (const int signal = signals.Received()) {
        std::cout.flush();
        DieOfSignal(signal);
    }
    return status;
}
