#include "ui/About.h"

#include <FL/Fl.H>

#include "platform/DisplayText.h"
#include "platform/Fonts.h"
#include "resources/Credits.h"
#include "resources/FlImages.h"
#include "ui/AboutTexts.h"
#include "ui/TextLine.h"

namespace lookout {

namespace {

constexpr Fl_Fontsize kTextSize = 12;
const Fl_Color kWhite = fl_rgb_color(255, 255, 255);

// A plain transparent label sized to its text, as the dialog's labels are.
Fl_Box* MakeLabel(int left, int top, const std::string& sjis, Fl_Font face) {
    const std::string utf8 = SjisToUtf8(sjis);
    const TFont font{face, kTextSize, kWhite, false};
    auto* label = new Fl_Box(FL_NO_BOX, left, top, TextWidth(utf8, font), TextHeight(font), nullptr);
    label->copy_label(utf8.c_str());
    label->labelfont(face);
    label->labelsize(kTextSize);
    label->labelcolor(kWhite);
    label->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
    return label;
}

TURLLink* MakeLink(int left, int top, const std::string& target, TURLtype type) {
    auto* link = new TURLLink(left, top, 0, 0);
    link->SetTransparent(true);
    link->SetFont({GothicFont(), kTextSize, kWhite, true});
    link->SetHintFormFont({GothicFont(), kTextSize, FL_FOREGROUND_COLOR, false});
    link->SetLinkColor(fl_rgb_color(255, 0, 0));
    link->SetEnableShowHint(false);
    link->SetCaption(target);
    link->SetLink(target);
    link->SetURLType(type);
    return link;
}

void CloseBoxOnly(Fl_Widget* window, void*) {
    // The toolkit also closes windows on Escape; this dialog closes only from
    // its title bar.
    if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
    window->hide();
}

}  // namespace

TLOOK_ABOUT::TLOOK_ABOUT(const std::string& applicationTitle)
    : Fl_Double_Window(kClientWidth, kClientHeight), banner_(BannerImage()) {
    copy_label(SjisToUtf8(about_texts::Caption()).c_str());
    color(fl_rgb_color(0, 0, 0));
    size_range(kClientWidth, kClientHeight, kClientWidth, kClientHeight);
    callback(CloseBoxOnly);

    Label1 = MakeLabel(8, 8, applicationTitle, GothicBoldFont());
    Label2 = MakeLabel(8, 32, credits::kMakerName, GothicFont());
    L_URL = MakeLink(8, 48, credits::kHomePage, tpURL);
    L_EMail = MakeLink(8, 64, credits::kContactAddress, tpMAIL);
    // Drawn white like the other labels: the window text colour would be dark
    // on the black ground.
    Label5 = MakeLabel(8, 96, about_texts::CreditLine(), GothicFont());
    URLLink1 = MakeLink(8, 112, credits::kStatusServiceSite, tpURL);
    Image2 = new Fl_Box(FL_NO_BOX, 8, 136, 201, 41, nullptr);
    Image2->image(banner_.get());
    Image2->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
    end();
}

TLOOK_ABOUT::~TLOOK_ABOUT() = default;

void TLOOK_ABOUT::ShowModalAt(int left, int top) {
    position(left, top);
    set_modal();
    show();
    while (shown()) Fl::wait();
}

}  // namespace lookout
