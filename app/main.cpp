// Lookout: the entry point. Gives the user of an installed copy a SERVER.INI
// on the first start, builds the main window from SERVER.INI and runs the
// event loop until the main window closes. The About dialog is built hidden
// on the first press of About, not at start: its faces, texts and banner cost
// a fifth of the program's memory and show up in few runs. A start-up error
// is shown in an error box; the exit code is 0 in every case.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <memory>

#include "window/MainWindow.h"
#include "monitor/Settings.h"
#include "monitor/SettingsLocation.h"
#include "refresh/Texts.h"
#include "toolkit/FltkPump.h"
#include "toolkit/HintController.h"
#include "toolkit/MessageBox.h"
#include "ui/About.h"

int main() {
    using namespace lookout;
    Fl::scheme("gtk+");
    // Lets the desktop match the windows to the desktop entry and its icon.
    Fl_Window::default_xclass("lookout");
    FltkPump pump;
    HintController hints(pump);
    try {
        ProvideUserSettings();
        TLOOK_MAIN main(pump, hints, SettingsPath());
        std::unique_ptr<TLOOK_ABOUT> about;
        main.SetAboutDialog([&about]() -> TLOOK_ABOUT& {
            if (!about) about = std::make_unique<TLOOK_ABOUT>(texts::kApplicationTitle);
            return *about;
        });
        main.show();
        while (main.shown()) Fl::wait();
    } catch (const std::exception& error) {
        ShowErrorBox(texts::kApplicationTitle, error);
    }
    return 0;
}
