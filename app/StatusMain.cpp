// lookout-status: the servers the window monitors, from a terminal. It reads
// SERVER.INI where the window does (or --config FILE), never writes it, and
// runs the window's refresh cycle on a headless pump. SIGINT and SIGTERM (on
// Windows the console's Ctrl+C) end it at once, a waiting fetch included.
#ifdef _WIN32
#include <windows.h>
#endif

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "companion/Companion.h"
#include "companion/DesktopNotifier.h"
#include "companion/Options.h"
#include "monitor/Settings.h"
#include "monitor/SettingsLocation.h"
#include "refresh/Texts.h"
#include "platform/DisplayText.h"
#include "platform/Exception.h"
#include "platform/PollPump.h"
#include "platform/SignalPipe.h"

int main(int argc, char** argv) {
    using namespace lookout;
#ifdef _WIN32
    // The texts go out as UTF-8, as to a Linux terminal.
    ::SetConsoleOutputCP(CP_UTF8);
#endif
    Options options;
    try {
        options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Exception& error) {
        std::cerr << "lookout-status: " << error.Message() << "\nTry 'lookout-status --help'.\n";
        return kExitUnknown;
    }
    if (options.help) {
        std::cout << kUsage;
        return kExitOk;
    }
    if (options.version) {
        std::cout << "lookout-status (" << texts::kApplicationTitle << ")\n";
        return kExitOk;
    }

    const std::string path = options.configPath.value_or(SettingsPathToRead());
    Settings settings;
    try {
        settings = LoadSettings(path);
    } catch (const std::exception& error) {
        std::cerr << "lookout-status: cannot read the settings " << path << ": " << SjisToUtf8(error.what()) << "\n";
        return kExitUnknown;
    }

    PollPump pump;
    Companion companion(pump, pump, settings, std::cout, std::cerr);
    SignalPipe signals(pump, [&](int) { companion.Stop(); });
    std::unique_ptr<Notifier> notifier;
    try {
        if (options.notify)
            notifier = MakeDesktopNotifier([&](const std::string& line) { companion.Complain(line); });
    } catch (const Exception& error) {
        std::cerr << "lookout-status: " << error.Message() << "\n";
        return kExitUnknown;
    }

    int status = kExitUnknown;
    if (!options.watch) {
        status = companion.RunOnce(options.json);
    } else if (companion.StartWatch(notifier.get())) {
        while (!signals.Received()) pump.WaitOnce();
    }
    if (const int signal = signals.Received()) {
        std::cout.flush();
        DieOfSignal(signal);
    }
    return status;
}
