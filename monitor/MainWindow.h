#pragma once
// The main window LOOK_MAIN: settings, the refresh cycle, the three buttons,
// the caption, and saving the position at close.
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_RGB_Image.H>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "monitor/PanelWidgets.h"
#include "net/HttpClient.h"
#include "platform/ShellOpen.h"
#include "platform/WindowTimer.h"
#include "textconv/PzConv.h"

namespace lookout {

class HintController;
class Pump;
class TLOOK_ABOUT;

class TLOOK_MAIN : public Fl_Double_Window {
public:
    static constexpr int kClientWidth = 600, kClientHeight = 64;
    static constexpr int kHintHidePause = 30000;  // ms; addresses take a while to read
    static constexpr int kFetchTimeOut = 20000;   // ms

    // Builds the layout, then reads SERVER.INI at settingsPath: its errors
    // (EFileError, EListError, EConvertError) leave the constructor.
    TLOOK_MAIN(Pump& pump, HintController& hints, std::string settingsPath);
    ~TLOOK_MAIN() override;

    // The About dialog, as the given function hands it out: the program builds
    // it on the first press of About and keeps it.
    using AboutDialog = std::function<TLOOK_ABOUT&()>;
    void SetAboutDialog(AboutDialog dialog) { aboutDialog_ = std::move(dialog); }
    // How Site and the links are opened (tests catch the target).
    void SetShellOpener(ShellOpener opener) { shellOpen_ = std::move(opener); }

    // The window's operations.
    void FormActivate();
    void FetchLoadTime();
    void FetchAddressHints();
    void FetchServerStatus();
    void FetchPartyStatus();
    void TIMERTimer();
    void B_ReloadClick();
    void B_JumpUrlClick();
    void B_AboutClick();
    void FormClose();
    void HTTPAboutToSend(THttpClient& sender);

    // Read-only views for the program's tests.
    const PanelWidgets& Panel() const { return panel_; }
    const std::string& Caption() const { return caption_; }  // Shift-JIS
    const std::string& LoadTime() const { return loadTime_; }
    const TTimer& Timer() const { return TIMER; }
    const THttpClient& Http() const { return HTTP; }
    Fl_Button* ReloadButton() const { return B_Reload; }
    Fl_Button* JumpUrlButton() const { return B_JumpUrl; }
    Fl_Button* AboutButton() const { return B_About; }
    bool Closing() const { return closing_; }

    int handle(int event) override;

private:
    void SetCaption(const std::string& sjis);
    void SetNormalCaption();
    void EnableButtons(bool enabled);
    // The status and party pages: caption and buttons around one fetch whose
    // body the reader turns into panel changes.
    using PageReader = void (*)(std::string_view body, StatusPanel& panel);
    void RefreshPanel(const std::string& caption, const char* page, PageReader read);
    // One GET; false when it failed or the window is closing.
    bool TryGet(const std::string& url);
    // What the framework does with an error escaping a window event.
    void ShowEventError(const std::exception& error);
    static void CloseCallback(Fl_Widget*, void* self);
    static void ActivateCallback(void* self);

    std::unique_ptr<Fl_RGB_Image> icon_;
    std::string settingsPath_;
    std::string caption_;
    std::string captionUtf8_;

    // The settings texts and the interval text.
    std::string loadTime_;
    std::string statusBaseUrl_;
    std::string mapBaseUrl_;
    std::string urlSuffix_;

    HintController& hints_;
    PanelWidgets panel_;
    Fl_Button* B_Reload;
    Fl_Button* B_JumpUrl;
    Fl_Button* B_About;
    THttpClient HTTP;
    TTimer TIMER;
    TPzConv PZ;

    AboutDialog aboutDialog_;
    ShellOpener shellOpen_ = OpenWithDesktop;
    bool activationPending_ = false;
    bool activated_ = false;
    bool closing_ = false;
};

}  // namespace lookout
