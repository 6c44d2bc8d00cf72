#include "toolkit/FontFaces.h"

#include <FL/Fl.H>
#include <windows.h>

#include <string>

#include "platform/ExePath.h"
#include "platform/windows/WidePath.h"

namespace lookout {

namespace {

// FLTK hands face names to the ANSI CreateFont, so they are the faces' ASCII
// names. The slot labels use the plain face: at 11 pixels MS PGothic draws
// its own narrow bitmaps, the ones the slot table was measured on.
constexpr const char* kWindowsFace = "MS PGothic";  // ＭＳ Ｐゴシック
constexpr const char* kBundledFace = "IPAPGothic";
constexpr const wchar_t* kBundledFile = L"ipagp.ttf";

// Whether GDI gives the face itself for the name, not a stand-in.
bool HaveFace(const wchar_t* face, const wchar_t* localName) {
    LOGFONTW wanted{};
    wanted.lfHeight = -12;
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    const HFONT font = ::CreateFontIndirectW(&wanted);
    const HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(dc, font);
    wchar_t got[LF_FACESIZE] = {};
    ::GetTextFaceW(dc, LF_FACESIZE, got);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(font);
    return lstrcmpiW(got, face) == 0 || lstrcmpiW(got, localName) == 0;
}

// MS PGothic where Windows has it; elsewhere (Wine, a system without the
// Japanese fonts) IPA P Gothic from the file beside the program, loaded for
// this process alone.
const char* ChooseFace() {
    if (HaveFace(L"MS PGothic", L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF")) return kWindowsFace;
    const std::wstring file = WidePath(ExecutableDirectory()) + kBundledFile;
    if (::AddFontResourceExW(file.c_str(), FR_PRIVATE, nullptr) > 0) return kBundledFace;
    return kWindowsFace;  // GDI's stand-in, without Japanese if it has none
}

}  // namespace

void RegisterGothicFaces(Fl_Font plain, Fl_Font bold, Fl_Font slot) {
    // FLTK keeps the names' pointers. A leading blank means plain, "B" bold.
    static const std::string face = ChooseFace();
    static const std::string plainName = " " + face, boldName = "B" + face;
    Fl::set_font(plain, plainName.c_str());
    Fl::set_font(bold, boldName.c_str());
    Fl::set_font(slot, plainName.c_str());
}

// FLTK asks GDI for a face by its height alone: it has no condensed
// renderings here, and a long count is drawn smaller instead.
int RegisterNarrowSlotFaces(Fl_Font, int) { return 0; }

}  // namespace lookout
