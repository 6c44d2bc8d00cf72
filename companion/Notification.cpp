#include "companion/Notification.h"

#include "companion/Durations.h"

namespace lookout {

std::optional<Notification> NotificationFor(const std::vector<Change>& changes, const Servers& after,
                                            const GoneFor& goneFor) {
    std::vector<std::string> sentences;
    for (const Change& change : changes) {
        if (change.kind != WordKind::State) continue;
        const ServerState& server = after.at(change.slot);
        const bool good = server.status == ServerStatus::Good;
        // The history knows across restarts; without one, the watch saw it go or not.
        if (const auto gone = good ? (goneFor ? goneFor(server.key) : change.gone) : std::nullopt) {
            sentences.push_back(std::string(server.key) + " is " + ShownWord(change.now) + " again after " +
                                DurationText(*gone));
            continue;
        }
        sentences.push_back(std::string(server.key) + " is " + ShownWord(change.now) + (good ? " again" : "") +
                            " (was " + ShownWord(change.was) + ")");
    }
    if (sentences.empty()) return std::nullopt;
    if (sentences.size() == 1) return Notification{sentences.front(), ""};
    Notification many{std::to_string(sentences.size()) + " servers changed", ""};
    for (const std::string& sentence : sentences) many.body += (many.body.empty() ? "" : "\n") + sentence;
    return many;
}

}  // namespace lookout
