#include <gtest/gtest.h>

#include "monitor/PageReaders.h"
#include "tests/support/PanelModel.h"

namespace lookout {
namespace {

constexpr Rgb kGood{207, 255, 207}, kClosed{207, 223, 255}, kDead{255, 255, 207}, kDown{255, 207, 207};
constexpr std::size_t kLogin = 0, kChr = 1, kFV1 = 3, kGame01 = 11;

// A panel that a good page has already coloured, so that "unchanged" shows.
PanelModel ColouredPanel() {
    PanelModel panel;
    for (auto& slot : panel.slots) {
        slot.box = kDown;
        slot.count1 = "9/9";
        slot.count2 = "9";
    }
    return panel;
}

TEST(StatusPage, LinesGiveColourAndCounts) {
    const struct {
        std::string line;
        std::size_t slot;
        Rgb box;
        std::string count1, count2;
    } cases[] = {
        {"LoginServer,Good,1234,5000,17", kLogin, kGood, "1234/5000", "17"},
        {"CharSelect,Closed,12,300,5", kChr, kClosed, "12/300", "5"},
        {"LoginServer,Dead,,,", kLogin, kDead, "/", ""},
        {"GameServer01,Good,1,2,3,4", kGame01, kGood, "1/2", "3,4"},
        {"LoginServer,Good", kLogin, kDown, "/", "Good"},            // one comma: colour unchanged
        {"LoginServer", kLogin, kDown, "/", "LoginServer"},          // no comma: rest is the whole line
        {"LoginServer,good,1,2,3", kLogin, kDown, "1/2", "3"},       // lower case is no status word
        {"LoginServer, Good,1,2,3", kLogin, kDown, "1/2", "3"},      // nor with a leading blank
        {"LoginServerX,Closed,1,2,3", kLogin, kClosed, "1/2", "3"},  // anything may follow the key
        {"PatchServerFV10,Good,7,8,9", kFV1, kGood, "7/8", "9"},     // 14 bytes compared
        {"LoginServer,Down, 1 , 2 ,\x82\xa0", kLogin, kDown, " 1 / 2 ", "\x82\xa0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        PanelModel panel = ColouredPanel();
        ReadStatusPage(c.line, panel);
        EXPECT_EQ(panel.slots[c.slot].box, c.box);
        EXPECT_EQ(panel.slots[c.slot].count1, c.count1);
        EXPECT_EQ(panel.slots[c.slot].count2, c.count2);
    }
}

TEST(StatusPage, SlotWithoutLineTurnsWhiteWithError) {
    for (const std::string& body : std::vector<std::string>{"", "\r\n\r\n", "<html>404</html>", " LoginServer,Good,1,2,3",
                                   "loginserver,Good,1,2,3", "LoginServe", std::string("\0LoginServer,Good,1,2,3", 23)}) {
        SCOPED_TRACE(::testing::PrintToString(body));
        PanelModel panel = ColouredPanel();
        ReadStatusPage(body, panel);
        for (const SlotState& slot : panel.slots) {
            EXPECT_EQ(slot.box, kWhite);
            EXPECT_EQ(slot.count1, "error");
            EXPECT_EQ(slot.count2, "0");
        }
    }
}

TEST(StatusPage, EveryLineEndingAndOrderWorksAndTheFirstLineWins) {
    PanelModel panel;
    ReadStatusPage("GameServer15,Down,1,1,1\rLoginServer,Good,1,2,3\nLoginServer,Dead,4,5,6\r\n"
                   "CharSelect,Closed,7,8,9",
                   panel);
    EXPECT_EQ(panel.slots[kLogin].box, kGood);
    EXPECT_EQ(panel.slots[kLogin].count1, "1/2");
    EXPECT_EQ(panel.slots[kChr].count2, "9");
    EXPECT_EQ(panel.slots[25].box, kDown);
    EXPECT_EQ(panel.slots[2].count1, "error");
}

TEST(StatusPage, UnknownWordKeepsTheColourOfTheLastRun) {
    PanelModel panel;
    ReadStatusPage("LoginServer,Good,1,2,3", panel);
    ReadStatusPage("LoginServer,Maintenance,4,5,6", panel);
    EXPECT_EQ(panel.slots[kLogin].box, kGood);
    EXPECT_EQ(panel.slots[kLogin].count1, "4/5");
    ReadStatusPage("", panel);  // the line goes: white
    ReadStatusPage("LoginServer,Other,1,1,1", panel);
    EXPECT_EQ(panel.slots[kLogin].box, kWhite);
}

}  // namespace
}  // namespace lookout
