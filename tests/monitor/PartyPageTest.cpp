#include <gtest/gtest.h>

#include "monitor/PageReaders.h"
#include "tests/support/PanelModel.h"

namespace lookout {
namespace {

constexpr Rgb kGood{207, 255, 207}, kSlow{255, 255, 207}, kDead{255, 207, 207}, kBlue{1, 2, 3};

std::size_t Game(int n) { return 10 + static_cast<std::size_t>(n); }

PanelModel PaintedPanel() {
    PanelModel panel;
    for (std::size_t i = Game(1); i <= Game(15); ++i) panel.slots[i].party = panel.slots[i].guild = kBlue;
    return panel;
}

TEST(PartyPage, WordsColourTheIndicators) {
    const struct {
        std::string line;
        int game;
        Rgb party, guild;
    } cases[] = {
        {"GameServer01,x,good,y,slow,z", 1, kGood, kSlow},
        {"GameServer02,x,dead,y,good", 2, kDead, kBlue},  // no comma after the guild word
        {"GameServer03,x,good", 3, kBlue, kBlue},         // nor after the party word
        {"GameServer04,x,Good,y,GOOD,z", 4, kBlue, kBlue},
        {"GameServer05,x, good,y,good ,z", 5, kBlue, kBlue},
        {"GameServer071,,slow,,dead,", 7, kSlow, kDead},  // 12 bytes compared
        {"GameServer08", 8, kBlue, kBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        PanelModel panel = PaintedPanel();
        ReadPartyPage(c.line, panel);
        EXPECT_EQ(panel.slots[Game(c.game)].party, c.party);
        EXPECT_EQ(panel.slots[Game(c.game)].guild, c.guild);
    }
}

TEST(PartyPage, MissingServersTurnWhiteAndOtherLinesAreIgnored) {
    PanelModel panel = PaintedPanel();
    ReadPartyPage("LoginServer,x,good,y,good,z\r\nGameServer16,x,good,y,good,z\r\n"
                  "GameServer06,x,dead,y,dead,z\r\nGameServer06,x,good,y,good,z\r\n",
                  panel);
    for (int n = 1; n <= 15; ++n) {
        SCOPED_TRACE(n);
        const Rgb expected = n == 6 ? kDead : kWhite;
        EXPECT_EQ(panel.slots[Game(n)].party, expected);
        EXPECT_EQ(panel.slots[Game(n)].guild, expected);
    }
    EXPECT_EQ(panel.slots[0], SlotState{}) << "only game slots are touched";
}

}  // namespace
}  // namespace lookout
