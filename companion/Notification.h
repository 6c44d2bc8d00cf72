#pragma once
// Desktop notifications of state changes: one per refresh, naming every
// server whose state word changed.
#include <optional>
#include <string>
#include <vector>

#include "companion/Changes.h"

namespace lookout {

struct Notification {
    std::string summary;  // UTF-8
    std::string body;     // empty, or one sentence a line when several servers changed
};

// "GameServer03 is Down (was Good)", "GameServer03 is Good again after 1 h
// 12 min" when the watch saw it go, else "... is Good again (was Down)";
// nullopt when no state changed.
std::optional<Notification> NotificationFor(const std::vector<Change>& changes, const Servers& after);

class Notifier {
public:
    virtual ~Notifier() = default;
    // Never raises: a notifier that cannot reach its service reports that
    // itself.
    virtual void Show(const Notification& notification) = 0;
};

}  // namespace lookout
