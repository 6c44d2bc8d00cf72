#include "companion/Notification.h"

#include "companion/Duration.h"

namespace lookout {

std::optional<Notification> NotificationFor(const std::vector<Change>& changes, const Servers& after) {
    std::vector<std::string> sentences;
    for (const Change& change : changes) {
        if (change.kind != WordKind::State) continue;
        const ServerState& server = after.at(change.slot);
        const std::string is = std::string(server.key) + " is " + ShownWord(change.now);
        if (change.gone) {
            sentences.push_back(is + " again after " + DurationText(*change.gone));
        } else {
            sentences.push_back(is + (server.status == ServerStatus::Good ? " again" : "") + " (was " +
                                ShownWord(change.was) + ")");
        }
    }
    if (sentences.empty()) return std::nullopt;
    if (sentences.size() == 1) return Notification{sentences.front(), ""};
    Notification many{std::to_string(sentences.size()) + " servers changed", ""};
    for (const std::string& sentence : sentences) many.body += (many.body.empty() ? "" : "\n") + sentence;
    return many;
}

}  // namespace lookout
