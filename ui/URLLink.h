#pragma once
// TURLLink: a label that is a hyperlink. Its text takes LinkColor while the
// mouse is over it, it may show a pop-up with the link target next to the
// cursor, and a left click hands the target to the desktop's opener.
#include <memory>
#include <string>

#include "platform/ShellOpen.h"
#include "toolkit/TextFont.h"
#include "ui/Label.h"

namespace lookout {

class TextPopup;

enum TURLtype { tpURL = 0, tpMAIL = 1 };  // tpMAIL opens "mailto:" + Link

class TURLLink : public TLabel {
public:
    TURLLink(int left, int top, int width, int height);
    ~TURLLink() override;

    // Every setter leaves the label alone when the value is the one it has;
    // otherwise it stores the value and repaints. None touches a shown pop-up:
    // the pop-up takes the values current when it appears.
    TURLtype URLType() const { return urlType_; }
    void SetURLType(TURLtype value) { Change(urlType_, value); }
    const std::string& Link() const { return link_; }  // Shift-JIS
    void SetLink(const std::string& value) { Change(link_, value); }
    const TFont& HintFormFont() const { return hintFormFont_; }
    void SetHintFormFont(const TFont& value) { Change(hintFormFont_, value); }  // copied
    bool EnableShowHint() const { return enableShowHint_; }
    void SetEnableShowHint(bool value) { Change(enableShowHint_, value); }
    Fl_Color HintFormColor() const { return hintFormColor_; }
    void SetHintFormColor(Fl_Color value) { Change(hintFormColor_, value); }
    int HintOffsetX() const { return hintOffsetX_; }
    void SetHintOffsetX(int value) { Change(hintOffsetX_, value); }
    int HintOffsetY() const { return hintOffsetY_; }
    void SetHintOffsetY(int value) { Change(hintOffsetY_, value); }
    Fl_Color LinkColor() const { return linkColor_; }  // takes effect at the next mouse enter
    void SetLinkColor(Fl_Color value) { Change(linkColor_, value); }

    // Who opens the target; the desktop's opener unless replaced (tests).
    void SetOpener(ShellOpener opener) { opener_ = std::move(opener); }

    bool HintShown() const { return hintShown_; }
    Fl_Window& HintForm();

    int handle(int event) override;

private:
    void MouseEnter();
    void MouseLeave();
    void MouseMove(int screenX, int screenY);
    void MouseDown(int button);
    void HideHint();

    std::unique_ptr<TextPopup> hint_;
    bool hintShown_ = false;
    bool hovering_ = false;
    Fl_Color rememberedColor_;

    TURLtype urlType_ = tpURL;
    std::string link_ = "http://";
    TFont hintFormFont_;
    bool enableShowHint_ = true;
    Fl_Color hintFormColor_;
    int hintOffsetX_ = 15;
    int hintOffsetY_ = 15;
    Fl_Color linkColor_;

    ShellOpener opener_ = OpenWithDesktop;
};

}  // namespace lookout
