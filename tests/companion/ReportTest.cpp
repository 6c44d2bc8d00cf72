// The readers' findings as the companion reports them: the JSON document
// (parsed) and the aligned table.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

#include "companion/JsonReport.h"
#include "companion/Notification.h"
#include "companion/PanelRecorder.h"
#include "companion/Table.h"
#include "monitor/PageReaders.h"

namespace lookout {
namespace {

constexpr std::size_t kLogin = 0, kChr = 1, kPatchH = 2, kGame01 = 11, kGame02 = 12, kGame15 = 25;

// "混雑" in Shift-JIS, two wide characters.
const std::string kBusy = "\x8d\xac\x8e\x47";

PanelRecorder ReadAll() {
    PanelRecorder panel;
    ReadAddressPage("heading\nLoginServer 10.0.0.1 6900 x map\x83\x7d<br>two1234\n", panel);
    ReadStatusPage("LoginServer,Good,1,2,3\r\nCharSelect,good,4,5,6\r\nPatchServerH,Down\r\n"
                   "GameServer01,Closed,10,20," + kBusy + "\r\nGameServer02,Good,1,2,3,4\r\n",
                   panel);
    ReadPartyPage("GameServer01,x,good,y,slow,z\nGameServer02,x,dead,y,nonsense,z\n", panel);
    return panel;
}

TEST(Report, JsonDocumentCarriesWhatTheWindowShows) {
    const PanelRecorder panel = ReadAll();
    const auto doc = nlohmann::json::parse(
        FormatJson({"2026-12-08T10:00:00+09:00", "http://h/a/status.txt", 60, panel.State()}));
    EXPECT_EQ(doc["fetched"], "2026-12-08T10:00:00+09:00");
    EXPECT_EQ(doc["source"], "http://h/a/status.txt");
    EXPECT_EQ(doc["interval_s"], 60);
    const auto& servers = doc["servers"];
    ASSERT_EQ(servers.size(), kSlotCount);
    const struct {
        std::size_t slot;
        const char* json;
    } cases[] = {
        {kLogin, R"({"key":"LoginServer","state":"Good","counts":"1/2","rest":"3","colour":"#CFFFCF",
                   "party":null,"guild":null,"hint":"10.0.0.1:6900\nmap\u30de\ntwo"})"},
        // a word outside the table keeps the old colour
        {kChr, R"({"key":"CharSelect","state":"good","counts":"4/5","rest":"6","colour":null,
                 "party":null,"guild":null,"hint":null})"},
        // no comma after the status word: it is empty, the rest takes it
        {kPatchH, R"({"key":"PatchServerH","state":"","counts":"/","rest":"Down",
                    "colour":null,"party":null,"guild":null,"hint":null})"},
        {kGame01, R"({"key":"GameServer01","state":"Closed","counts":"10/20","rest":"\u6df7\u96d1",
                    "colour":"#CFDFFF","party":"good","guild":"slow","hint":null})"},
        {kGame02, R"({"key":"GameServer02","state":"Good","counts":"1/2","rest":"3,4","colour":"#CFFFCF",
                    "party":"dead","guild":"nonsense","hint":null})"},
        // no line on either page: the window paints white
        {kGame15, R"({"key":"GameServer15","state":"missing","counts":"error","rest":"0","colour":"#FFFFFF",
                    "party":null,"guild":null,"hint":null})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(servers[c.slot], nlohmann::json::parse(c.json));
    }
}

TEST(Report, TableRowsStartWithTheKeyAndAlignTheirColumns) {
    const PanelRecorder panel = ReadAll();
    std::istringstream table(FormatTable(panel.State()));
    std::vector<std::string> rows;
    for (std::string row; std::getline(table, row);) rows.push_back(row);
    ASSERT_EQ(rows.size(), kSlotCount);
    EXPECT_EQ(rows[kLogin], "LoginServer     Good     1/2    3     -        -         10.0.0.1:6900");
    // The last column starts at the same terminal column in every row, the
    // wide characters of GameServer01's rest counted twice.
    const auto lastColumn = [](const std::string& row) { return TerminalWidth(row.substr(0, row.rfind("  ") + 2)); };
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(rows[slot]);
        EXPECT_TRUE(rows[slot].starts_with(kSlots[slot].key));
        EXPECT_EQ(lastColumn(rows[slot]), lastColumn(rows[kLogin]));
    }
}

TEST(Report, ServersChangingTogetherMakeOneNotificationNamingThem) {
    PanelRecorder before = ReadAll(), after = ReadAll();
    ReadStatusPage("LoginServer,Down,1,2,3\nGameServer01,Good,1,2,3\n", after);
    ReadPartyPage("", after);  // party and guild words alone notify nothing
    const auto notification = NotificationFor(ChangesBetween(before.State(), after.State()), after.State());
    ASSERT_TRUE(notification);
    EXPECT_EQ(notification->summary, "5 servers changed");
    EXPECT_EQ(notification->body, "LoginServer is Down (was Good)\nCharSelect is missing (was good)\n"
                                  "PatchServerH is missing (was \"\")\nGameServer01 is Good again (was Closed)\n"
                                  "GameServer02 is missing (was Good)");
}

}  // namespace
}  // namespace lookout
