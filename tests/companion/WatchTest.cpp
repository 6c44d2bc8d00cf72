// The watch's lines and notifications as one server's word changes from
// refresh to refresh, at once and with --alert-after, and how long the
// server was gone when it comes back.
#include <gtest/gtest.h>

#include <sstream>

#include "companion/Durations.h"
#include "companion/PanelRecorder.h"
#include "companion/Watch.h"
#include "monitor/PageReaders.h"

namespace lookout {
namespace {

class Recorder : public Notifier {
public:
    void Show(const Notification& notification) override { shown.push_back(notification.summary); }
    std::vector<std::string> shown;
};

TEST(Watch, ReportsAChangeOnceItHasHeldAndHowLongTheServerWasGone) {
    const struct {
        int alertAfter;
        int minutesApart;                // between refreshes
        std::vector<const char*> words;  // GameServer05's, a refresh each; the first is the table's
        std::vector<std::string> lines;  // after the table, without their time
        std::vector<std::string> notifications;
    } cases[] = {
        {1,
         36,
         {"Good", "Down", "Dead", "Good"},
         {"state Good -> Down (0/10 0)", "state Down -> Dead (0/10 0)", "state Dead -> Good (0/10 0)"},
         {"GameServer05 is Down (was Good)", "GameServer05 is Dead (was Down)",
          "GameServer05 is Good again after 1 h 12 min"}},
        // A flicker shorter than three refreshes is never reported; the time
        // gone runs from the first refresh that saw it go to the first that
        // saw it back.
        {3,
         1,
         {"Good", "Down", "Good", "Down", "Down", "Down", "Good", "Down", "Good", "Good", "Good"},
         {"state Good -> Down (0/10 0)", "state Down -> Good (0/10 0)"},
         {"GameServer05 is Down (was Good)", "GameServer05 is Good again after 5 min"}},
        // Closed is maintenance, not an outage, but does not end one.
        {1,
         10,
         {"Good", "Closed", "Good", "Down", "Closed", "Good"},
         {"state Good -> Closed (0/10 0)", "state Closed -> Good (0/10 0)", "state Good -> Down (0/10 0)",
          "state Down -> Closed (0/10 0)", "state Closed -> Good (0/10 0)"},
         {"GameServer05 is Closed (was Good)", "GameServer05 is Good again (was Closed)",
          "GameServer05 is Down (was Good)", "GameServer05 is Closed (was Down)",
          "GameServer05 is Good again after 20 min"}},
        // Down since before the watch began: how long is not known.
        {2,
         1,
         {"Down", "Dead", "Dead", "Good", "Good"},
         {"state Down -> Dead (0/10 0)", "state Dead -> Good (0/10 0)"},
         {"GameServer05 is Dead (was Down)", "GameServer05 is Good again (was Dead)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.alertAfter) + " " + c.words[1]);
        std::ostringstream out;
        Recorder notifier;
        auto now = std::chrono::system_clock::time_point{} + std::chrono::hours(24 * 20000);
        Watch watch(
            out, &notifier, [&now] { return now; }, false, c.alertAfter);
        RefreshOutcome outcome;
        outcome.pages = {{Page::Status, "http://h/status.txt", std::nullopt, std::nullopt}};
        for (const char* word : c.words) {
            PanelRecorder panel;
            ReadStatusPage(word ? std::string("GameServer05,") + word + ",0,10,0\r\n" : "", panel);
            watch.AfterRefresh(panel.State(), outcome);
            now += std::chrono::minutes(c.minutesApart);
        }
        std::istringstream text(out.str());
        std::vector<std::string> lines;
        std::size_t row = 0;
        for (std::string line; std::getline(text, line);)
            if (++row > kSlotCount + 1) lines.push_back(line.substr(line.find(" GameServer05 ") + 14));
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(notifier.shown, c.notifications);
    }
}

TEST(Watch, DurationsReadAsTheirTwoLargestUnits) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0 s"},
        {59'499, "59 s"},
        {90'000, "1 min"},
        {3'600'000, "1 h"},
        {(3600 + 12 * 60 + 59) * 1000, "1 h 12 min"},
        {(3 * 86400 + 4 * 3600 + 5) * 1000, "3 d 4 h"},
        {(86400 + 60) * 1000, "1 d"},
    };
    for (const auto& [ms, text] : cases) EXPECT_EQ(DurationText(std::chrono::milliseconds(ms)), text) << ms;
}

}  // namespace
}  // namespace lookout
