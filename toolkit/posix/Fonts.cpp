#include "toolkit/FontFaces.h"

#include <FL/Fl.H>
#include <fontconfig/fontconfig.h>

namespace lookout {

namespace {

// FLTK passes a font name to fontconfig as a bare family, so the condensed
// rendering is a family of our own that fontconfig rewrites to IPA P Gothic
// at 92% of the asked pixel size, drawn 93% wide. At 11 pixels this gives the
// slot table's widths within a pixel ("Login" 26, "Chr" 17, "PatH" 23,
// "PatFV1" 34, "Game01" 39, "0/0" 17, "0" 6) and a line 11 pixels high.
constexpr const char* kSlotRule =
    "<fontconfig><match target=\"pattern\">"
    "<test name=\"family\"><string>Lookout Slot Gothic</string></test>"
    "<edit name=\"family\" mode=\"assign\" binding=\"strong\"><string>IPAPGothic</string></edit>"
    "<edit name=\"pixelsize\" mode=\"assign\"><times><name>pixelsize</name><double>0.92</double></times></edit>"
    "<edit name=\"matrix\" mode=\"assign\"><times><name>matrix</name>"
    "<matrix><double>0.93</double><double>0</double><double>0</double><double>1</double></matrix>"
    "</times></edit>"
    "</match></fontconfig>";

}  // namespace

// FLTK's Xft names: a leading blank means plain, "B" bold.
void RegisterGothicFaces(Fl_Font plain, Fl_Font bold, Fl_Font slot) {
    Fl::set_font(plain, " IPAPGothic");
    Fl::set_font(bold, "BIPAPGothic");
    FcConfig* config = FcConfigGetCurrent();
    // The rule lives only in this process's configuration: a rescan of
    // the font folders would rebuild the configuration without it.
    FcConfigSetRescanInterval(config, 0);
    FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kSlotRule), FcTrue);
    Fl::set_font(slot, " Lookout Slot Gothic");
}

}  // namespace lookout
