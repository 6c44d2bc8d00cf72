// The history of a watch: lookout-status's real refresh cycle against a
// scripted loopback service, recorded with a hand-driven clock, then read
// back; the roll-up, and the file as other programs and versions meet it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "companion/Companion.h"
#include "history/HistoryReport.h"
#include "history/HistoryStore.h"
#include "tests/net/LoopbackServers.h"
#include "tests/net/NetTestSupport.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;

// A day ago, so that lookout-status's own --since covers it.
const HistoryTime kStart = std::chrono::floor<std::chrono::hours>(HistoryClock::now()) - std::chrono::days(1);

std::string StatusPage(const std::string& game03, int users) {
    std::string page;
    for (const SlotDef& slot : kSlots)
        page += std::string(slot.key) + "," + (slot.key == "GameServer03" ? game03 : "Good") + "," +
                std::to_string(users) + ",5000,0\r\n";
    return page;
}

class Recorded : public Notifier {
public:
    void Show(const Notification& notification) override { summaries.push_back(notification.summary); }
    std::vector<std::string> summaries;
};

class HistoryTest : public test::NetTest {
protected:
    // One watch from `at` on: the activation with `statuses[0]`, then a
    // refresh a minute for each further one (nullopt: the service closes
    // without a reply); it stops at `stop`.
    void Watch(milliseconds at, const std::vector<std::optional<std::string>>& statuses, milliseconds stop) {
        clock.Advance(at - clock.Now());
        std::vector<test::Reply> replies;
        const auto reply = [&](const std::optional<std::string>& page) {
            test::Reply r;
            if (page) r.pieces = test::RandomPieces("HTTP/1.0 200 OK\r\n\r\n" + *page, 97, rng_);
            replies.push_back(r);
        };
        reply("60");
        reply("LoginServer 10.0.0.1 6900 x map\n");
        for (const auto& status : statuses) {
            reply(status);
            reply("");
        }
        test::HttpServer server(pump, replies);
        const std::string base = "http://127.0.0.1:" + std::to_string(server.Port()) + "/";
        Options options;
        Companion companion(pump, clock, Settings{0, 0, base, base + "map", "w"}, options, out, err);
        companion.UseHistory(std::make_unique<HistoryRecorder>(File(), 90, [this] { return kStart + clock.Now(); }));
        ASSERT_TRUE(companion.StartWatch(&notifier));
        for (std::size_t tick = 1; tick < statuses.size(); ++tick) clock.Advance(60s);
        clock.Advance(stop - clock.Now());
        companion.Stop();
    }
    std::string File() const { return dir.String() + "/history.sqlite"; }

    test::TempDir dir{"lookout-history"};
    test::FakeClock clock;
    Recorded notifier;
    std::ostringstream out, err;

private:
    std::mt19937 rng_{5};
};

std::string Command(const std::string& line) {
    std::string output;
    FILE* pipe = ::popen(line.c_str(), "r");
    for (char buffer[256]; pipe && std::fgets(buffer, sizeof buffer, pipe);) output += buffer;
    if (pipe) ::pclose(pipe);
    return output;
}

TEST_F(HistoryTest, ReportCountsOutagesAcrossGapsAndRestarts) {
    // Minutes 0-5: Good, Down, Down, Good, unreadable, Down; stopped at 5.5.
    Watch(0s,
          {StatusPage("Good", 100), StatusPage("Down", 0), StatusPage("Down", 0), StatusPage("Good", 300), std::nullopt,
           StatusPage("Down", 0)},
          330s);
    // Restarted at minute 10, still Down, Good at 11; stopped at 11.5.
    Watch(600s, {StatusPage("Down", 0), StatusPage("Good", 500)}, 690s);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(notifier.summaries,
              (std::vector<std::string>{"GameServer03 is Down (was Good)", "GameServer03 is Good again after 2 min",
                                        "GameServer03 is Down (was Good)", "GameServer03 is Good again after 6 min"}));

    HistoryStore store(File(), HistoryStore::Mode::Read);
    const Period period{kStart, kStart + 720s};
    const std::vector<ServerReport> report = BuildReport(ReadHistory(store, period), period, 12);
    ASSERT_EQ(report.size(), kSlotCount);
    const ServerReport& game03 = report[13];
    ASSERT_EQ(game03.key, "GameServer03");
    // Data: 4 + 0.5 + 1.5 minutes of 12. Good 2.5 minutes; the outages 2
    // and 6 minutes, the second across the unreadable gap and the restart.
    EXPECT_EQ(game03.lastStatus, ServerStatus::Good);
    EXPECT_NEAR(game03.seen, 100.0 * 360 / 720, 1e-9);
    EXPECT_NEAR(*game03.uptime, 100.0 * 150 / 360, 1e-9);
    EXPECT_EQ(game03.outages, 2);
    EXPECT_EQ(game03.longest, 360s);
    EXPECT_EQ(game03.lastDownStart, kStart + 300s);
    EXPECT_EQ(game03.lastDownFor, 360s);
    EXPECT_EQ(game03.usersMin, 0);
    EXPECT_EQ(game03.usersMax, 500);
    // A minute a cell: no data in minutes 4 and 6 to 9.
    EXPECT_EQ(Sparkline(game03.cells, true), ".__= _    _@");
    const ServerReport& login = report[0];
    EXPECT_EQ(login.outages, 0);
    EXPECT_NEAR(*login.uptime, 100.0, 1e-9);

    // The program's own report and export of the same file.
    const std::string run = std::string(LOOKOUT_STATUS_PATH) + " --history '" + File() + "' --since 2d ";
    const std::string table = Command(run + "--report --ascii");
    const std::size_t row = table.find("\nGameServer03 ");
    ASSERT_NE(row, std::string::npos) << table;
    EXPECT_NE(table.find("Good   41.7%   0.2%  2        6 min    ", row), std::string::npos) << table;
    const std::string csv = Command(run + "--export");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 7 * 26 + 1) << csv;
    EXPECT_NE(csv.find(",failed,,"), std::string::npos);
}

TEST_F(HistoryTest, RollUpKeepsEachHoursSecondsAndUsers) {
    const HistoryTime hour = kStart + 5h;
    {
        HistoryStore store(File(), HistoryStore::Mode::Record);
        store.StartWatch(hour - 10min, 60s, 10s);
        // Irregular refreshes (in whole seconds, as the rows count) over
        // three hours: states and users that vary, a failure, a missing
        // line, a count that is no number.
        for (int i = 0; i < 180; ++i) {
            const HistoryTime at = hour - 10min + milliseconds(i * 62'000 + (i % 7) * 1000);
            RefreshRecord refresh{at, std::nullopt, {}};
            if (i % 23 == 5) {
                refresh.failure = "Connection refused";
            } else {
                const char* words[] = {"Good", "Good", "Down", "Closed", "Dead", "busy"};
                ServerSample sample{"GameServer01", words[i % 6], i * 37 % 500, 5000, {}, {}, {}, {}};
                if (i % 11 == 3) sample.users.reset(), sample.usersText = "?";
                ServerSample missing{"GameServer02", std::nullopt, {}, {}, {}, {}, {}, {}};
                refresh.servers = {sample, missing};
            }
            store.Record(refresh);
        }
        store.EndWatch(hour + 3h);
    }
    HistoryStore store(File(), HistoryStore::Mode::Record);
    const Period period{hour, hour + 2h};
    const std::vector<ServerReport> before = BuildReport(ReadHistory(store, period), period, 2);
    for (int call = 0; call < 10; ++call) store.Maintain(hour + kRawWindow + 3h, 90);
    const std::vector<ServerHistory> rolled = ReadHistory(store, period);
    ASSERT_EQ(rolled.size(), 2u);
    for (const ServerHistory& server : rolled) EXPECT_TRUE(server.spans.empty());
    const std::vector<ServerReport> after = BuildReport(rolled, period, 2);
    for (std::size_t slot = 0; slot < before.size(); ++slot) {
        SCOPED_TRACE(before[slot].key);
        EXPECT_NEAR(before[slot].seen, after[slot].seen, 1e-9);
        EXPECT_EQ(before[slot].uptime.has_value(), after[slot].uptime.has_value());
        if (before[slot].uptime) {
            EXPECT_NEAR(*before[slot].uptime, *after[slot].uptime, 1e-9);
        }
        EXPECT_EQ(before[slot].usersMin, after[slot].usersMin);
        EXPECT_EQ(before[slot].usersMax, after[slot].usersMax);
        EXPECT_EQ(before[slot].usersMean.has_value(), after[slot].usersMean.has_value());
        if (before[slot].usersMean) {
            EXPECT_NEAR(*before[slot].usersMean, *after[slot].usersMean, 1e-9);
        }
        for (std::size_t cell = 0; cell < 2; ++cell) {
            if (before[slot].cells[cell]) {
                EXPECT_NEAR(*before[slot].cells[cell], *after[slot].cells[cell], 1e-9);
            }
        }
    }
    // The hour's own row against its raw spans, to the second.
    std::array<std::int64_t, kStatusCount> seconds{};
    for (const ServerHistory& server : rolled) {
        if (server.key != "GameServer01") continue;
        ASSERT_EQ(server.hours.size(), 2u);
        const HourRow& row = server.hours[0];
        EXPECT_EQ(row.hour, hour);
        seconds = row.seconds;
        std::int64_t total = row.noDataSeconds;
        for (const std::int64_t s : row.seconds) total += s;
        EXPECT_EQ(total, 3600);
    }
    EXPECT_GT(seconds[Index(ServerStatus::Down)], 0);
    EXPECT_GT(seconds[Index(ServerStatus::Other)], 0);
}

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST_F(HistoryTest, OtherProgramsAndVersionsMeetTheFile) {
    {
        HistoryStore first(File(), HistoryStore::Mode::Record);
        first.StartWatch(kStart, 60s, 10s);
        first.Record({kStart, std::nullopt, {{"LoginServer", "Good", 12, 5000, {}, {}, {}, {}}}});
        // A second watch on the same file is refused while the first lives.
        HistoryStore second(File(), HistoryStore::Mode::Record);
        EXPECT_THROW(second.StartWatch(kStart + 60s, 60s, 10s), Exception);
        first.EndWatch(kStart + 90s);
        EXPECT_NO_THROW(second.StartWatch(kStart + 120s, 60s, 10s));
    }
    // Debian's sqlite3 reads it as it is.
    EXPECT_EQ(Command("sqlite3 '" + File() + "' 'SELECT server, state, users FROM sample; PRAGMA journal_mode'"),
              "LoginServer|Good|12\nwal\n");
    Command("sqlite3 '" + File() + "' 'PRAGMA user_version = 7'");
    const std::string bytes = Bytes(File());
    for (const auto mode : {HistoryStore::Mode::Record, HistoryStore::Mode::Read}) {
        try {
            HistoryStore newer(File(), mode);
            ADD_FAILURE() << "a newer file was opened";
        } catch (const Exception& error) {
            EXPECT_NE(error.Message().find("newer"), std::string::npos) << error.Message();
        }
    }
    EXPECT_EQ(Bytes(File()), bytes);
}

}  // namespace
}  // namespace lookout
