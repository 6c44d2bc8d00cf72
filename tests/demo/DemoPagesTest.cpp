// The pages as the monitor's readers take them: line by line, the first line
// that begins with a server key, cut at commas or spaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "platform/CharsetConverter.h"
#include "platform/IntegerText.h"
#include "platform/StringList.h"
#include "demo/AddressText.h"
#include "demo/DemoPages.h"
#include "demo/DemoRandom.h"

namespace lookout::demo {
namespace {

std::vector<std::string> Cut(std::string line, char separator) {
    std::vector<std::string> fields;
    for (std::size_t at; (at = line.find(separator)) != std::string::npos; line.erase(0, at + 1))
        fields.push_back(line.substr(0, at));
    fields.push_back(line);
    return fields;
}

// The first line that begins with the key, as the readers search.
const std::string* LineOf(const std::vector<std::string>& lines, std::string_view key) {
    for (const auto& line : lines)
        if (line.starts_with(key)) return &line;
    return nullptr;
}

bool IsNumber(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

TEST(DemoPages, StatusPageHasAWellFormedLineForEveryServer) {
    const std::set<std::string> words = {"Good", "Closed", "Dead", "Down"};
    for (std::uint64_t step : {0ull, 1ull, 977ull, 123456ull}) {
        SCOPED_TRACE("step " + std::to_string(step));
        const std::string page = StatusPage(Simulate(42, step));
        EXPECT_TRUE(page.ends_with("\r\n"));
        const auto lines = SplitLines(page);
        ASSERT_EQ(lines.size(), kServerCount);
        for (std::size_t i = 0; i < kServerCount; ++i) {
            SCOPED_TRACE(std::string(kServerKeys[i]));
            const std::string* line = LineOf(lines, kServerKeys[i]);
            ASSERT_EQ(line, &lines[i]);  // no earlier line shadows the key
            const auto f = Cut(*line, ',');
            ASSERT_EQ(f.size(), 5u);
            EXPECT_EQ(f[0], kServerKeys[i]);
            EXPECT_TRUE(words.count(f[1])) << f[1];
            ASSERT_TRUE(IsNumber(f[2]) && IsNumber(f[3]) && IsNumber(f[4])) << *line;
            EXPECT_LE(std::stoi(f[2]), std::stoi(f[3]));
            if (f[1] == "Down" || f[1] == "Closed") {
                EXPECT_EQ(f[2], "0");
            }
        }
    }
}

TEST(DemoPages, PartyPageAgreesWithTheStatusOfEachGameServer) {
    const std::set<std::string> words = {"good", "slow", "dead"};
    for (std::uint64_t step = 0; step < 300; step += 7) {
        const World world = Simulate(5, step);
        const auto lines = SplitLines(PartyPage(world));
        ASSERT_EQ(lines.size(), kServerCount - kFirstGameServer);
        for (std::size_t i = kFirstGameServer; i < kServerCount; ++i) {
            SCOPED_TRACE(std::string(kServerKeys[i]) + " at step " + std::to_string(step));
            const std::string* line = LineOf(lines, kServerKeys[i]);
            ASSERT_NE(line, nullptr);
            const auto f = Cut(*line, ',');
            ASSERT_EQ(f.size(), 6u);  // the comma after the guild word is there
            EXPECT_TRUE(words.count(f[2]) && words.count(f[4])) << *line;
            if (world[i].status == "Down" || world[i].status == "Dead") {
                EXPECT_EQ(f[2], "dead");
                EXPECT_EQ(f[4], "dead");
            }
        }
    }
}

TEST(DemoPages, StatesAreMostlyGoodButEveryStateTurnsUp) {
    std::map<std::string_view, int> seen;
    for (std::uint64_t step = 0; step < 2000; step += 3)
        for (const auto& s : Simulate(9, step)) ++seen[s.status];
    const int total = seen["Good"] + seen["Closed"] + seen["Dead"] + seen["Down"];
    EXPECT_GT(seen["Good"], total * 8 / 10);
    for (const char* word : {"Closed", "Dead", "Down"}) EXPECT_GT(seen[word], 0) << word;
}

TEST(DemoPages, SameSeedAndStepGiveTheSamePages) {
    EXPECT_EQ(StatusPage(Simulate(7, 100)), StatusPage(Simulate(7, 100)));
    EXPECT_EQ(PartyPage(Simulate(7, 100)), PartyPage(Simulate(7, 100)));
    EXPECT_EQ(AddressPage(7), AddressPage(7));
    EXPECT_NE(StatusPage(Simulate(7, 100)), StatusPage(Simulate(8, 100)));
    EXPECT_NE(StatusPage(Simulate(7, 100)), StatusPage(Simulate(7, 101)));  // counts move every step
}

TEST(DemoPages, WalkStaysInRangeMovesSmoothlyAndWanders) {
    // Two periods, so the wrap from the last step to the first is checked too.
    double previous = WalkAt(3, 1, 0), low = 1, high = 0, largestStep = 0;
    for (std::uint64_t step = 1; step < 2 * 4096 + 10; ++step) {
        const double v = WalkAt(3, 1, step);
        ASSERT_GE(v, 0.0);
        ASSERT_LE(v, 1.0);
        largestStep = std::max(largestStep, std::abs(v - previous));
        low = std::min(low, v);
        high = std::max(high, v);
        previous = v;
    }
    EXPECT_LT(largestStep, 0.15);
    EXPECT_GT(high - low, 0.4);
}

TEST(DemoPages, LoadTimeIsTheIntervalAsTheMonitorReadsIt) {
    EXPECT_EQ(LoadTimePage(10), "10\r\n");
    EXPECT_EQ(StrToInt(TrimRight(LoadTimePage(0))), 0);
}

TEST(DemoPages, AddressPageIsCleanEucJpWithAnEntryForEveryServer) {
    const std::string page = AddressPage(11);
    const std::optional<std::string> converted = CharsetConverter("CP932", "EUC-JP").TryConvert(page);
    ASSERT_TRUE(converted);
    const std::string& sjis = *converted;
    EXPECT_NE(sjis.find(MapsLabel()), std::string::npos);
    EXPECT_NE(sjis.find(PatchRole()), std::string::npos);  // half-width kana survive the trip

    auto lines = SplitLines(sjis);
    ASSERT_EQ(lines.size(), kServerCount + 1);
    EXPECT_EQ(LineOf(lines, kServerKeys[0]), &lines[1]);  // the heading is no entry
    lines.erase(lines.begin());
    for (std::size_t i = 0; i < kServerCount; ++i) {
        SCOPED_TRACE(std::string(kServerKeys[i]));
        const std::string* line = LineOf(lines, kServerKeys[i]);
        ASSERT_EQ(line, &lines[i]);
        // Four fields cut at single spaces; the rest is what remains.
        auto f = Cut(*line, ' ');
        ASSERT_GE(f.size(), 5u);
        EXPECT_EQ(f[1], "192.0.2." + std::to_string(10 + i));
        EXPECT_TRUE(IsNumber(f[2]));
        std::string rest = f[4];
        for (std::size_t k = 5; k < f.size(); ++k) rest += " " + f[k];
        ASSERT_TRUE(rest.ends_with("</p>"));
        rest.resize(rest.size() - 4);
        EXPECT_FALSE(rest.empty());
        // The shown part holds no markup but the two the reader replaces.
        for (const char* markup : {"&nbsp;", "<br>"})
            for (std::size_t at; (at = rest.find(markup)) != std::string::npos;) rest.erase(at, std::strlen(markup));
        EXPECT_EQ(rest.find_first_of("<>&"), std::string::npos) << rest;
    }
    EXPECT_NE(lines[kFirstGameServer].find("<br>"), std::string::npos);
}

}  // namespace
}  // namespace lookout::demo
