#include "toolkit/FontFaces.h"

#include <FL/Fl.H>
#include <fontconfig/fontconfig.h>

#include <list>
#include <string>

namespace lookout {

namespace {

// FLTK passes a font name to fontconfig as a bare family, so a condensed
// rendering is a family of our own that fontconfig rewrites to IPA P Gothic
// at 92% of the asked pixel size, drawn `width` wide. At 11 pixels and 93%
// this gives the slot table's widths within a pixel ("Login" 26, "Chr" 17,
// "PatH" 23, "PatFV1" 34, "Game01" 39, "0/0" 17, "0" 6) and a line 11 pixels
// high.
std::string Rule(const std::string& family, const char* width) {
    return "<fontconfig><match target=\"pattern\">"
           "<test name=\"family\"><string>" +
           family +
           "</string></test>"
           "<edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>IPAPGothic</string></edit>"
           "<edit name=\"pixelsize\" mode=\"assign\"><times><name>pixelsize</name><double>0.92</double></times></edit>"
           "<edit name=\"matrix\" mode=\"assign\"><times><name>matrix</name>"
           "<matrix><double>" +
           width +
           "</double><double>0</double><double>0</double><double>1</double></matrix>"
           "</times></edit>"
           "</match></fontconfig>";
}

// Registers the family for FLTK's font slot. FLTK keeps the name's pointer.
void Register(Fl_Font slot, const std::string& family, const char* width) {
    FcConfig* config = FcConfigGetCurrent();
    // The rules live only in this process's configuration: a rescan of the
    // font folders would rebuild the configuration without them.
    FcConfigSetRescanInterval(config, 0);
    const std::string rule = Rule(family, width);
    FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rule.c_str()), FcTrue);
    // A leading blank means plain; the names stay for the process.
    static std::list<std::string> names;
    Fl::set_font(slot, names.emplace_back(" " + family).c_str());
}

// The narrower renderings of a long count: down to two thirds of the slot
// face's width, where digits still read.
constexpr const char* kNarrowWidths[] = {"0.80", "0.70", "0.62"};

}  // namespace

// FLTK's Xft names: a leading blank means plain, "B" bold.
void RegisterGothicFaces(Fl_Font plain, Fl_Font bold, Fl_Font slot) {
    Fl::set_font(plain, " IPAPGothic");
    Fl::set_font(bold, "BIPAPGothic");
    Register(slot, "Lookout Slot Gothic", "0.93");
}

int RegisterNarrowSlotFaces(Fl_Font first, int most) {
    int count = 0;
    for (const char* width : kNarrowWidths) {
        if (count == most) break;
        Register(first + count, std::string("Lookout Slot Gothic ") + width, width);
        ++count;
    }
    return count;
}

}  // namespace lookout
