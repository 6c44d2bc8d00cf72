#include "companion/Nagios.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "companion/Health.h"
#include "platform/DisplayText.h"

namespace lookout {

namespace {

constexpr const char* kStateNames[] = {"OK", "WARNING", "CRITICAL", "UNKNOWN"};

// "|" begins the performance data, so the service's texts must not bring one.
std::string Plain(std::string text) {
    for (std::size_t at = 0; (at = text.find('|', at)) != std::string::npos;) text.replace(at, 1, "\u00A6");
    return text;
}

struct Group {
    std::string word;  // UTF-8, "missing" for no line
    ServerStatus status;
    int count = 0;
    std::vector<std::string_view> named;  // Down and missing servers only
};

// The worst first; words outside the window's colours come in the order they
// were first seen.
int Rank(ServerStatus status) {
    static constexpr ServerStatus kOrder[] = {ServerStatus::Down,   ServerStatus::Missing, ServerStatus::Dead,
                                              ServerStatus::Closed, ServerStatus::Other,   ServerStatus::Good};
    return int(std::find(std::begin(kOrder), std::end(kOrder), status) - std::begin(kOrder));
}

// The servers the summary names: those the check is critical for.
bool Named(const ServerState& server) {
    return server.status == ServerStatus::Down || server.status == ServerStatus::Missing;
}

std::vector<Group> GroupByState(const Servers& servers) {
    std::vector<Group> groups;
    for (const ServerState& server : servers) {
        const std::string word = Plain(ShownWord(server.state));
        auto group = std::find_if(groups.begin(), groups.end(), [&](const Group& g) { return g.word == word; });
        if (group == groups.end()) group = groups.insert(groups.end(), Group{word, server.status, 0, {}});
        ++group->count;
        if (Named(server)) group->named.push_back(server.key);
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Group& a, const Group& b) { return Rank(a.status) < Rank(b.status); });
    return groups;
}

}  // namespace

std::string FormatNagios(const Servers& servers, std::chrono::duration<double> took, int timeoutSeconds) {
    std::string text = std::string("LOOKOUT ") + kStateNames[HealthOf(servers)] + " - ";
    const char* separator = "";
    for (const Group& group : GroupByState(servers)) {
        text += separator + std::to_string(group.count) + " " + group.word;
        separator = ", ";
        if (group.named.empty()) continue;
        const char* comma = " (";
        for (const std::string_view name : group.named) text += comma + std::string(name), comma = ", ";
        text += ")";
    }
    text += "|";
    for (const ServerState& server : servers) {
        const Counts counts = CountsOf(server);
        if (counts.population && counts.capacity)
            text += "'" + std::string(server.key) + "'=" + std::to_string(*counts.population) + ";;;0;" +
                    std::to_string(*counts.capacity) + " ";
    }
    char time[64];
    std::snprintf(time, sizeof time, "'time'=%.3fs;;;0;%d\n", took.count(), timeoutSeconds);
    text += time;
    for (const ServerState& server : servers) {
        if (server.status == ServerStatus::Good) continue;
        text += std::string(server.key) + " " + Plain(ShownWord(server.state));
        if (server.state) text += " (" + Plain(SjisToUtf8(server.count1) + " " + SjisToUtf8(server.count2)) + ")";
        text += "\n";
    }
    return text;
}

std::string NagiosUnknown(const std::string& utf8Reason) {
    return std::string("LOOKOUT ") + kStateNames[kExitUnknown] + " - " + Plain(utf8Reason) + "\n";
}

}  // namespace lookout
