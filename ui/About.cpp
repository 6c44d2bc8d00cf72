#include "ui/About.h"

#include <FL/Fl.H>

#include "platform/DisplayText.h"
#include "toolkit/Fonts.h"
#include "credits/Credits.h"
#include "resources/FlImages.h"
#include "ui/AboutTexts.h"

namespace lookout {

namespace {

constexpr Fl_Fontsize kTextSize = 12;

TFont WhiteText(Fl_Font face, bool underline = false) {
    return {face, kTextSize, fl_rgb_color(255, 255, 255), underline};
}

template <class Label>
Label* MakeLabel(int left, int top, const std::string& caption, const TFont& font) {
    auto* label = new Label(left, top, 0, 0);
    label->SetTransparent(true);
    label->SetFont(font);
    label->SetCaption(caption);
    return label;
}

TURLLink* MakeLink(int left, int top, const std::string& target, TURLtype type) {
    auto* link = MakeLabel<TURLLink>(left, top, target, WhiteText(GothicFont(), true));
    link->SetHintFormFont({GothicFont(), kTextSize, FL_FOREGROUND_COLOR, false});
    link->SetLinkColor(fl_rgb_color(255, 0, 0));
    link->SetEnableShowHint(false);
    link->SetLink(target);
    link->SetURLType(type);
    return link;
}

// A picture at its natural size from the box's top-left corner.
class TPicture : public Fl_Box {
public:
    using Fl_Box::Fl_Box;
    void draw() override {
        draw_box();
        if (image()) image()->draw(x(), y());
    }
};

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

    Label1 = MakeLabel<TLabel>(8, 8, applicationTitle, WhiteText(GothicBoldFont()));
    Label2 = MakeLabel<TLabel>(8, 32, credits::kMakerName, WhiteText(GothicFont()));
    L_URL = MakeLink(8, 48, credits::kHomePage, tpURL);
    L_EMail = MakeLink(8, 64, credits::kContactAddress, tpMAIL);
    // Drawn white like the other labels: the window text colour would be dark
    // on the black ground.
    Label5 = MakeLabel<TLabel>(8, 96, about_texts::CreditLine(), WhiteText(GothicFont()));
    URLLink1 = MakeLink(8, 112, credits::kStatusServiceSite, tpURL);
    Image2 = new TPicture(FL_NO_BOX, 8, 136, 201, 41, nullptr);
    Image2->image(banner_.get());
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
