#pragma once
// TListBoxEx: a list box whose horizontal scroll range always fits its
// widest item: the horizontal extent is kept at the widest item's pixel width
// plus Space. Only the list operations below keep it; the browser's own
// add/insert/remove/clear/text leave it as it was.
#include <string>

#include <FL/Fl_Hold_Browser.H>

namespace lookout {

class TListBoxEx : public Fl_Hold_Browser {
public:
    static constexpr int kDefaultSpace = 5;

    TListBoxEx(int left, int top, int width, int height);

    // Writing Space sets the extent to the new value + the widest width at
    // once, even when the value is unchanged.
    int Space() const { return space_; }
    void SetSpace(int value);

    int WidestItemWidth() const { return widest_; }
    // The horizontal scroll range in pixels; 0 until the first list operation
    // or write of Space.
    int HorizontalExtent() const { return extent_; }

    // Items are Shift-JIS and indexes count from 0. Each adding operation
    // returns the new item's index, or -1 when nothing was added.
    int AddString(const std::string& item);
    // index -1 appends; an index beyond the last item + 1 adds nothing.
    int InsertString(int index, const std::string& item);
    // An index that names no item deletes nothing.
    void DeleteString(int index);
    void ResetContent();

    // The item's text width as drawn in the list's font; 0 for an index that
    // names no item.
    int GetTextWidth(int index) const;

protected:
    int full_width() const override { return extent_; }

private:
    void LBAdd(int index);
    void SetExtent(int value);

    int space_ = kDefaultSpace;
    int widest_ = 0;
    int extent_ = 0;
};

}  // namespace lookout
