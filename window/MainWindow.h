#pragma once
// The main window LOOK_MAIN: the face of the refresh cycle. It holds the
// widgets, their geometry and wiring, opens where SERVER.INI says and writes
// the position back at close; the cycle itself lives in RefreshCycle.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include <functional>
#include <memory>
#include <string>

#include "window/PanelWidgets.h"
#include "refresh/RefreshCycle.h"
#include "platform/ShellOpen.h"

namespace lookout {

class HintController;
class Pump;
class TLOOK_ABOUT;
struct Settings;

class TLOOK_MAIN : public Fl_Double_Window, private RefreshFace {
public:
    static constexpr int kClientWidth = 600, kClientHeight = 64;
    static constexpr int kHintHidePause = 30000;  // ms; addresses take a while to read

    // Builds the layout and takes the settings the program read from
    // settingsPath (LoadSettings), where FormClose writes the position back.
    TLOOK_MAIN(Pump& pump, HintController& hints, std::string settingsPath, const Settings& settings);
    ~TLOOK_MAIN() override;

    // The About dialog, as the given function hands it out: the program builds
    // it on the first press of About and keeps it.
    using AboutDialog = std::function<TLOOK_ABOUT&()>;
    void SetAboutDialog(AboutDialog dialog) { aboutDialog_ = std::move(dialog); }
    // How Site and the links are opened (tests catch the target).
    void SetShellOpener(ShellOpener opener) { shellOpen_ = std::move(opener); }

    // The window's own event handlers. The activation sequence, the timer,
    // the fetches and the request hook are the core's (RefreshCycle).
    void B_ReloadClick() { core_->B_ReloadClick(); }
    void B_JumpUrlClick();
    void B_AboutClick();
    // Writes the position back and closes; a position that cannot be written
    // is reported in the error box, and the window closes all the same.
    void FormClose();

    RefreshCycle& Core() { return *core_; }
    // Read-only views for the program's tests.
    const PanelWidgets& Panel() const { return panel_; }
    const std::string& Caption() const { return caption_; }  // Shift-JIS
    const std::string& LoadTime() const { return core_->LoadTime(); }
    const TTimer& Timer() const { return core_->Timer(); }
    const THttpClient& Http() const { return core_->Http(); }
    Fl_Button* ReloadButton() const { return B_Reload; }
    Fl_Button* JumpUrlButton() const { return B_JumpUrl; }
    Fl_Button* AboutButton() const { return B_About; }
    bool Closing() const { return core_->Closing(); }

    int handle(int event) override;

private:
    // What the cycle shows through the window.
    void SetCaption(const std::string& sjis) override;
    void EnableButtons(bool enabled) override;
    void ShowMessage(const std::string& sjisText) override;
    void ShowError(const std::exception& error) override;
    // One line on standard error when a page starts failing and when it reads
    // again: the boxes and message boxes do not say why.
    void PageTurned(const PageFetch& fetch) override;

    static void CloseCallback(Fl_Widget*, void* self);
    static void ActivateCallback(void* self);

    std::unique_ptr<Fl_RGB_Image> icon_;
    std::string settingsPath_;
    std::string caption_;
    std::string captionUtf8_;

    HintController& hints_;
    PanelWidgets panel_;
    Fl_Button* B_Reload;
    Fl_Button* B_JumpUrl;
    Fl_Button* B_About;
    // Made once SERVER.INI is read.
    std::unique_ptr<RefreshCycle> core_;

    AboutDialog aboutDialog_;
    ShellOpener shellOpen_ = OpenWithDesktop;
    bool activationPending_ = false;
    bool activated_ = false;
};

}  // namespace lookout
