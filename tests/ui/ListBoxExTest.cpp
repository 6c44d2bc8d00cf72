#include "ui/ListBoxEx.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "toolkit/TextLine.h"
#include "tests/support/Gui.h"

namespace lookout {
namespace {

// Courier 16 advances exactly 10 pixels a letter: "0000" is 40 pixels wide.
constexpr Fl_Font kFace = FL_COURIER;
constexpr Fl_Fontsize kSize = 16;

std::string Px(int width) { return std::string(static_cast<std::size_t>(width / 10), '0'); }

class ListBoxExTest : public ::testing::Test {
protected:
    void SetUp() override {
        list_.textfont(kFace);
        list_.textsize(kSize);
        ASSERT_EQ(TextWidth("0", TFont{kFace, kSize}), 10) << "test font metrics changed";
    }
    void Add(std::initializer_list<int> widths) {
        for (const int w : widths) list_.AddString(Px(w));
    }
    void ExpectExtent(int extent, int widest) {
        EXPECT_EQ(list_.HorizontalExtent(), extent);
        EXPECT_EQ(list_.WidestItemWidth(), widest);
    }
    TListBoxEx list_{0, 0, 200, 100};
};

TEST_F(ListBoxExTest, AddingKeepsTheWidestItemPlusSpace) {
    ExpectExtent(0, 0);
    EXPECT_EQ(list_.Space(), 5);
    Add({40, 90, 60});
    ExpectExtent(95, 90);
    EXPECT_EQ(list_.GetTextWidth(2), 60);
}

TEST_F(ListBoxExTest, DeletingRescansOnlyWhenTheWidestGoes) {
    Add({40, 90, 60});
    list_.DeleteString(2);  // 60
    ExpectExtent(95, 90);
    list_.DeleteString(1);  // 90
    ExpectExtent(45, 40);
    list_.DeleteString(0);
    ExpectExtent(5, 0);
    EXPECT_EQ(list_.size(), 0);
}

TEST_F(ListBoxExTest, DeletingOneOfTwoEquallyWideItemsKeepsTheExtent) {
    Add({90, 40, 90});
    list_.DeleteString(0);
    ExpectExtent(95, 90);
    list_.DeleteString(1);
    ExpectExtent(45, 40);
}

TEST_F(ListBoxExTest, DeletingAnIndexThatNamesNoItemDeletesNothing) {
    Add({40, 90});
    for (const int index : {-1, 2, 1000}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(list_.GetTextWidth(index), 0);
        list_.DeleteString(index);
        EXPECT_EQ(list_.size(), 2);
        ExpectExtent(95, 90);
    }
    // On an empty list the width 0 ties with the widest: the rescan finds none.
    list_.ResetContent();
    list_.SetSpace(7);
    list_.DeleteString(0);
    ExpectExtent(7, 0);
}

TEST_F(ListBoxExTest, ResettingLeavesSpaceAloneUntilTheNextItem) {
    Add({40, 90});
    list_.ResetContent();
    ExpectExtent(5, 0);
    EXPECT_EQ(list_.size(), 0);
    Add({60});
    ExpectExtent(65, 60);
}

TEST_F(ListBoxExTest, WritingSpaceSetsTheExtentAtOnce) {
    list_.SetSpace(5);  // unchanged, but still applied
    ExpectExtent(5, 0);
    Add({40, 90, 60});
    list_.SetSpace(20);
    ExpectExtent(110, 90);
    Add({30});
    ExpectExtent(110, 90);
    Add({100});
    ExpectExtent(120, 100);
}

TEST_F(ListBoxExTest, InsertingFollowsTheAddingRule) {
    Add({40});
    EXPECT_EQ(list_.InsertString(0, Px(70)), 0);
    ExpectExtent(75, 70);
    EXPECT_EQ(list_.InsertString(-1, Px(80)), 2) << "-1 appends";
    ExpectExtent(85, 80);
    EXPECT_EQ(list_.InsertString(3, Px(50)), 3) << "just past the last item appends";
    EXPECT_EQ(list_.InsertString(9, Px(200)), -1) << "beyond that nothing is added";
    EXPECT_EQ(list_.size(), 4);
    ExpectExtent(85, 80);
    EXPECT_STREQ(list_.text(1), Px(70).c_str());
    EXPECT_STREQ(list_.text(2), Px(40).c_str());
}

TEST_F(ListBoxExTest, MeasuresWithTheListsOwnFont) {
    list_.textsize(8);  // 5 pixels a letter
    ASSERT_EQ(TextWidth("0", TFont{kFace, 8}), 5);
    Add({90});  // nine letters
    ExpectExtent(50, 45);
    // Shift-JIS items are measured as they are shown.
    list_.AddString("\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0");
    EXPECT_EQ(list_.size(), 2);
    EXPECT_EQ(list_.WidestItemWidth(), list_.GetTextWidth(1));
    EXPECT_GT(list_.GetTextWidth(1), 0);
}

TEST_F(ListBoxExTest, TheScrollRangeFollowsTheExtent) {
    Fl_Window window(100, 100, 120, 100);
    TListBoxEx* list = new TListBoxEx(0, 0, 120, 100);
    window.end();
    list->textfont(kFace);
    list->textsize(kSize);
    ASSERT_TRUE(test::ShowAndWait(window));
    list->AddString(Px(40));
    Fl::flush();
    EXPECT_FALSE(list->hscrollbar.visible());
    list->AddString(Px(300));
    Fl::flush();
    EXPECT_TRUE(list->hscrollbar.visible());
    list->DeleteString(1);
    Fl::flush();
    EXPECT_FALSE(list->hscrollbar.visible());
    window.hide();
}

}  // namespace
}  // namespace lookout
