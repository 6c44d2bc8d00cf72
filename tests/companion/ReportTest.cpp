// The readers' findings as the companion reports them: the JSON document
// (parsed), the aligned table, the Nagios plugin result and the metrics.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <sstream>

#include "companion/HistoryOutput.h"
#include "platform/Exception.h"
#include "companion/JsonReport.h"
#include "companion/Nagios.h"
#include "companion/Notification.h"
#include "companion/PanelRecorder.h"
#include "companion/Prometheus.h"
#include "companion/Table.h"
#include "monitor/PageReaders.h"

namespace lookout {
namespace {

constexpr std::size_t kLogin = 0, kChr = 1, kPatchH = 2, kGame01 = 11, kGame02 = 12, kGame03 = 13, kGame15 = 25;

// "混雑" in Shift-JIS, two wide characters.
const std::string kBusy = "\x8d\xac\x8e\x47";

PanelRecorder ReadAll() {
    PanelRecorder panel;
    ReadAddressPage("heading\nLoginServer 10.0.0.1 6900 x map\x83\x7d<br>two1234\n", panel);
    ReadStatusPage("LoginServer,Good,1,2,3\r\nCharSelect,good,4,5,6\r\nPatchServerH,Down\r\n"
                   "GameServer01,Closed,10,20," + kBusy + "\r\nGameServer02,Good,1,2,3,4\r\nGameServer03,Good,1/2,3,4\r\n",
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
        {kLogin, R"({"key":"LoginServer","state":"Good","counts":"1/2","users":1,"capacity":2,"rest":"3",
                   "colour":"#CFFFCF","party":null,"guild":null,"hint":"10.0.0.1:6900\nmap\u30de\ntwo"})"},
        // a word outside the table keeps the old colour
        {kChr, R"({"key":"CharSelect","state":"good","counts":"4/5","users":4,"capacity":5,"rest":"6","colour":null,
                 "party":null,"guild":null,"hint":null})"},
        // no comma after the status word: it is empty, the rest takes it
        {kPatchH, R"({"key":"PatchServerH","state":"","counts":"/","users":"","capacity":"","rest":"Down",
                    "colour":null,"party":null,"guild":null,"hint":null})"},
        {kGame01, R"({"key":"GameServer01","state":"Closed","counts":"10/20","users":10,"capacity":20,"rest":"\u6df7\u96d1",
                    "colour":"#CFDFFF","party":"good","guild":"slow","hint":null})"},
        {kGame02, R"({"key":"GameServer02","state":"Good","counts":"1/2","users":1,"capacity":2,"rest":"3,4",
                    "colour":"#CFFFCF","party":"dead","guild":"nonsense","hint":null})"},
        // a count field holding "/": the label cannot be split, the fields keep both numbers
        {kGame03, R"({"key":"GameServer03","state":"Good","counts":"1/2/3","users":"1/2","capacity":3,"rest":"4",
                    "colour":"#CFFFCF","party":null,"guild":null,"hint":null})"},
        // no line on either page: the window paints white
        {kGame15, R"({"key":"GameServer15","state":"missing","counts":"error","users":null,"capacity":null,"rest":"0","colour":"#FFFFFF",
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
    std::string header;
    std::getline(table, header);
    for (std::string row; std::getline(table, row);) rows.push_back(row);
    ASSERT_EQ(rows.size(), kSlotCount);
    EXPECT_EQ(header, "SERVER          STATE    COUNTS  REST  PARTY    GUILD     ADDRESS");
    EXPECT_EQ(rows[kLogin], "LoginServer     Good     1/2     3     -        -         10.0.0.1:6900");
    const std::string coloured = FormatTable(panel.State(), true, true);
    EXPECT_NE(coloured.find("\nLoginServer     \033[32mGood\033[0m     1/2 "), std::string::npos)
        << "padded by the word's own width";
    EXPECT_NE(coloured.find("\nGameServer01    \033[34mClosed\033[0m   10/20 "), std::string::npos);
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
    EXPECT_EQ(notification->summary, "6 servers changed");
    EXPECT_EQ(notification->body, "LoginServer is Down (was Good)\nCharSelect is missing (was good)\n"
                                  "PatchServerH is missing (was \"\")\nGameServer01 is Good again (was Closed)\n"
                                  "GameServer02 is missing (was Good)\nGameServer03 is missing (was Good)");
}

// Every server Good with counts 1/2 and rest 0, but for the lines given here
// (after the key; nullopt: no line).
PanelRecorder ReadStatus(const std::map<std::string_view, std::optional<std::string>>& special) {
    std::string page;
    for (const SlotDef& slot : kSlots) {
        const auto found = special.find(slot.key);
        if (found == special.end()) page += std::string(slot.key) + ",Good,1,2,0\r\n";
        else if (found->second) page += std::string(slot.key) + "," + *found->second + "\r\n";
    }
    PanelRecorder panel;
    ReadStatusPage(page, panel);
    return panel;
}

TEST(Report, NagiosResultCountsStatesAndNamesTheWorst) {
    const struct {
        std::map<std::string_view, std::optional<std::string>> special;
        std::string summary;
        std::vector<std::string_view> uncounted;  // a count field is no integer, or no line
        std::string details;
    } cases[] = {
        {{}, "LOOKOUT OK - 26 Good", {}, ""},
        {{{"PatchServerFV3", "Dead,1,2,0"}, {"GameServer05", "Closed,1,2,x"}, {"GameServer07", "Busy|Full,1,x,0"}},
         "LOOKOUT WARNING - 1 Dead, 1 Closed, 1 Busy\u00A6Full, 23 Good",
         {"GameServer07"},
         "PatchServerFV3 Dead (1/2 0)\nGameServer05 Closed (1/2 x)\nGameServer07 Busy\u00A6Full (1/x 0)\n"},
        {{{"PatchServerFV6", "Down,1,2,0"}, {"GameServer06", "Down,1,2,0"}, {"GameServer07", std::nullopt},
          {"PatchServerFV3", "Dead,1,2,0"}, {"GameServer01", "Dead,1,2,0"}, {"GameServer13", "Closed,01,+2,0"}},
         "LOOKOUT CRITICAL - 2 Down (PatchServerFV6, GameServer06), 1 missing (GameServer07), 2 Dead, 1 Closed, 20 Good",
         {"GameServer07", "GameServer13"},
         "PatchServerFV3 Dead (1/2 0)\nPatchServerFV6 Down (1/2 0)\nGameServer01 Dead (1/2 0)\n"
         "GameServer06 Down (1/2 0)\nGameServer07 missing\nGameServer13 Closed (01/+2 0)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.summary);
        std::string performance;
        for (const SlotDef& slot : kSlots)
            if (std::find(c.uncounted.begin(), c.uncounted.end(), slot.key) == c.uncounted.end())
                performance += "'" + std::string(slot.key) + "'=1;;;0;2 ";
        EXPECT_EQ(FormatNagios(ReadStatus(c.special).State(), std::chrono::milliseconds(1234), 10),
                  c.summary + "|" + performance + "'time'=1.234s;;;0;10\n" + c.details);
    }
    EXPECT_EQ(NagiosUnknown("cannot read the status page http://h/status.txt: HTTP/1.0 500 A|B"),
              "LOOKOUT UNKNOWN - cannot read the status page http://h/status.txt: HTTP/1.0 500 A\u00A6B\n");
}

TEST(Report, MetricsFollowTheExpositionFormat) {
    PanelRecorder panel = ReadStatus({{"LoginServer", "Good,7,5000,12"},
                                      {"CharSelect", "Down,0,x,0"},
                                      {"PatchServerH", "Good,1/2,3,0"},
                                      {"GameServer01", R"(Odd\"Word,1,2,3,4)"},
                                      {"GameServer15", std::nullopt}});
    ReadPartyPage("GameServer01,x,good,y,dead,z\n", panel);
    const std::string head = "# HELP lookout_up 1 when the status page was read at the last refresh, else 0.\n"
                             "# TYPE lookout_up gauge\n";
    const std::string tail =
        "# HELP lookout_refresh_timestamp_seconds When the last refresh ended, in seconds since the epoch.\n"
        "# TYPE lookout_refresh_timestamp_seconds gauge\nlookout_refresh_timestamp_seconds 1796800000.250\n"
        "# HELP lookout_refresh_duration_seconds How long the last refresh took.\n"
        "# TYPE lookout_refresh_duration_seconds gauge\nlookout_refresh_duration_seconds 0.012\n"
        "# HELP lookout_refresh_interval_seconds The status service's refresh interval.\n"
        "# TYPE lookout_refresh_interval_seconds gauge\nlookout_refresh_interval_seconds 60.000\n";
    EXPECT_EQ(FormatPrometheus({false, false, panel.State(), 1796800000.25, 0.012, 60}), head + "lookout_up 0\n" + tail);

    const std::string metrics = FormatPrometheus({true, true, panel.State(), 1796800000.25, 0.012, 60});
    EXPECT_TRUE(metrics.starts_with(head + "lookout_up 1\n# HELP lookout_server_up ")) << metrics;
    EXPECT_TRUE(metrics.ends_with(tail)) << metrics;
    const struct {
        std::string line;
        bool present;
    } cases[] = {
        {R"(lookout_server_up{server="LoginServer"} 1)", true},
        {R"(lookout_server_up{server="CharSelect"} 0)", true},
        {R"(lookout_server_up{server="GameServer15"} 0)", true},
        {R"(lookout_server_state{server="CharSelect",state="Down"} 1)", true},
        {R"(lookout_server_state{server="GameServer01",state="Odd\\\"Word"} 1)", true},
        {R"(lookout_server_state{server="GameServer15",state="missing"} 1)", true},
        {R"(lookout_server_population{server="LoginServer"} 7)", true},
        {R"(lookout_server_capacity{server="LoginServer"} 5000)", true},
        {R"(lookout_server_rest{server="LoginServer"} 12)", true},
        {R"(lookout_server_population{server="CharSelect"} 0)", true},
        {R"(lookout_server_capacity{server="CharSelect"})", false},  // "x"
        {R"(lookout_server_rest{server="GameServer01"})", false},      // "3,4"
        {R"(lookout_server_population{server="GameServer15"})", false},
        {R"(lookout_server_population{server="PatchServerH"})", false},  // "1/2"
        {R"(lookout_server_capacity{server="PatchServerH"} 3)", true},
        {R"(lookout_indicator_state{server="GameServer01",indicator="party",state="good"} 1)", true},
        {R"(lookout_indicator_state{server="GameServer01",indicator="guild",state="dead"} 1)", true},
        {R"(lookout_indicator_state{server="GameServer02",indicator="party",state="missing"} 1)", true},
        {R"(lookout_indicator_state{server="LoginServer")", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(metrics.find("\n" + c.line + (c.present ? "\n" : "")) != std::string::npos, c.present);
    }
    EXPECT_EQ(FormatPrometheus({true, false, panel.State(), 0, 0, 0}).find("lookout_indicator_state"), std::string::npos)
        << "no indicators when the party page was not read";
}

#ifdef _WIN32
// Without SQLite the build has no history store, and says so in one line.
TEST(Report, HistoryIsRefusedWhereTheBuildHasNoStore) {
    Options options;
    options.report = true;
    options.history = "history.sqlite";
    const WallClock now = [] { return std::chrono::system_clock::now(); };
    std::ostringstream out;
    for (const auto& attempt :
         std::vector<std::function<void()>>{[&] { WriteHistoryOutput(options, now, out); },
                                            [&] { HistoryRecorder recorder(*options.history, 90, now); }}) {
        try {
            attempt();
            ADD_FAILURE() << "no refusal";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), kNoHistoryStore);
        }
    }
    EXPECT_EQ(out.str(), "");
}
#endif

}  // namespace
}  // namespace lookout
