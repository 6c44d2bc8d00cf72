// Lookout: the entry point. Gives the user of an installed copy a SERVER.INI
// on the first start, reads it, builds the main window from it and runs the
// event loop until the main window closes. The About dialog is built hidden
// on the first press of About, not at start: its faces, texts and banner cost
// a fifth of the program's memory and show up in few runs. A start-up error
// is written to standard error and shown in an error box, and the program
// ends with status 1.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <iostream>
#include <memory>
#include <string>

#include "window/MainWindow.h"
#include "monitor/Settings.h"
#include "monitor/SettingsLocation.h"
#include "platform/Messages.h"
#include "refresh/Texts.h"
#include "toolkit/FltkPump.h"
#include "toolkit/HintController.h"
#include "toolkit/MessageBox.h"
#include "ui/About.h"

namespace {

// The box is gone once dismissed; a terminal, a launcher's log or the journal
// keeps this line.
void ReportStartupError(const std::string& path, const std::exception& error) {
    std::cerr << "lookout: " << (path.empty() ? "" : path + ": ") << lookout::messages::Described(error) << "\n";
}

}  // namespace

int main() {
    using namespace lookout;
    Fl::scheme("gtk+");
    // Lets the desktop match the windows to the desktop entry and its icon.
    Fl_Window::default_xclass("lookout");
    FltkPump pump;
    HintController hints(pump);
    std::string path;
    try {
        path = SettingsPath();
        ProvideUserSettings();
        const Settings settings = LoadSettings(path);
        TLOOK_MAIN main(pump, hints, path, settings);
        std::unique_ptr<TLOOK_ABOUT> about;
        main.SetAboutDialog([&about]() -> TLOOK_ABOUT& {
            if (!about) about = std::make_unique<TLOOK_ABOUT>(texts::kApplicationTitle);
            return *about;
        });
        main.show();
        while (main.shown()) Fl::wait();
    } catch (const std::exception& error) {
        ReportStartupError(path, error);
        ShowErrorBox(texts::kApplicationTitle, error);
        return 1;
    }
    return 0;
}
