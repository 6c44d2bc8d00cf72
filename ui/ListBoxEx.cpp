#include "ui/ListBoxEx.h"

#include <algorithm>

#include "platform/DisplayText.h"
#include "toolkit/TextLine.h"

namespace lookout {

TListBoxEx::TListBoxEx(int left, int top, int width, int height) : Fl_Hold_Browser(left, top, width, height) {
    // Items are shown as they are: no '@' formatting codes, so what is
    // measured is what is drawn.
    format_char(0);
}

void TListBoxEx::SetSpace(int value) {
    SetExtent(value + widest_);
    space_ = value;
}

int TListBoxEx::AddString(const std::string& item) {
    add(SjisToUtf8(item).c_str());
    const int index = size() - 1;
    LBAdd(index);
    return index;
}

int TListBoxEx::InsertString(int index, const std::string& item) {
    if (index == -1) return AddString(item);
    if (index < 0 || index > size()) return -1;
    insert(index + 1, SjisToUtf8(item).c_str());
    LBAdd(index);
    return index;
}

void TListBoxEx::DeleteString(int index) {
    // Measured before it goes; an index naming no item measures 0.
    const int width = GetTextWidth(index);
    if (index >= 0 && index < size()) remove(index + 1);
    if (width < widest_) return;  // the widest item is still there
    int widest = 0;
    for (int i = 0; i < size(); ++i) widest = std::max(widest, GetTextWidth(i));
    SetExtent(widest + space_);
    widest_ = widest;
}

void TListBoxEx::ResetContent() {
    clear();
    SetExtent(space_);
    widest_ = 0;
}

int TListBoxEx::GetTextWidth(int index) const {
    if (index < 0 || index >= size()) return 0;
    return TextWidth(text(index + 1), TFont{textfont(), textsize()});
}

void TListBoxEx::LBAdd(int index) {
    const int width = GetTextWidth(index);
    if (width <= widest_) return;
    SetExtent(width + space_);
    widest_ = width;
}

void TListBoxEx::SetExtent(int value) {
    extent_ = value;
    redraw();  // the scroll bars are laid out again from full_width()
}

}  // namespace lookout
