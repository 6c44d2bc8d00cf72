#include <gtest/gtest.h>

#include "monitor/PageReaders.h"
#include "monitor/PageText.h"
#include "platform/Exception.h"
#include "tests/support/PanelModel.h"

namespace lookout {
namespace {

constexpr std::size_t kLogin = 0, kChr = 1, kPatchH = 2, kFV1 = 3, kGame01 = 11;

TEST(AddressPage, EntriesBecomeHints) {
    const struct {
        std::string line;
        std::size_t slot;
        std::string hint;
    } cases[] = {
        {"LoginServer a b c d&nbsp;e<br>f1234", kLogin, "a:b\nd e\nf"},
        {"CharSelect a b c <br>x1234", kChr, "a:b\n\nx"},
        {"PatchServerH a b c xyz", kPatchH, "a:b\nxyz"},  // a rest of 3 is shown whole
        {"GameServer01 abc", kGame01, ":\nabc"},
        {"GameServer01", kGame01, ":\nGameServ"},  // no space: the key itself is the rest
        {"PatchServerFV10 1.2.3.4 6900 - map one</p>", kFV1, "1.2.3.4:6900\nmap one"},
        {"LoginServer a b c &nbsp;&nbsp;<br><br>....", kLogin, "a:b\n  \n\n"},
        {"LoginServer a b c &nb&nbsp;sp;xxxx", kLogin, "a:b\n&nb sp;"},
        {"LoginServer \x83\x7d\x83\x62\x83\x76 b c \x92\x6e\x90\x7d</p>", kLogin, "\x83\x7d\x83\x62\x83\x76:b\n\x92\x6e\x90\x7d"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        PanelModel panel;
        ReadAddressPage("heading\r\n" + c.line + "\r\n", panel);
        EXPECT_EQ(panel.slots[c.slot].hint, c.hint);
    }
}

TEST(AddressPage, FirstLineIsNeverAnEntryAndMissingServersKeepTheirHint) {
    PanelModel panel;
    panel.slots[kChr].hint = "old";
    ReadAddressPage("LoginServer a b c d1234\nLoginServer e f g h1234\nLoginServer i j k l1234", panel);
    EXPECT_EQ(panel.slots[kLogin].hint, "e:f\nh");
    EXPECT_EQ(panel.slots[kChr].hint, "old");
    ReadAddressPage("only a heading", panel);
    EXPECT_EQ(panel.slots[kLogin].hint, "e:f\nh");
}

TEST(AddressPage, TextWithoutAnyLineRaisesTheListIndexError) {
    PanelModel panel;
    for (const std::string& text : {std::string(), std::string("\0LoginServer a b c d", 20)}) {
        try {
            ReadAddressPage(text, panel);
            ADD_FAILURE();
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (0)");
        }
    }
    EXPECT_EQ(panel.slots[kLogin], SlotState{});
}

TEST(ReplaceText, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceText("a&nbsp;&nbsp;b&nbsp;", "&nbsp;", " "), "a  b ");
    EXPECT_EQ(ReplaceText("<br<br>>", "<br>", "\n"), "<br\n>");
    EXPECT_EQ(ReplaceText("none", "<br>", "\n"), "none");
    EXPECT_EQ(ReplaceText("", "<br>", "\n"), "");
}

}  // namespace
}  // namespace lookout
