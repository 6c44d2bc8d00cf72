#pragma once
// Desktop notifications of state changes: one per refresh, naming every
// server whose state word changed.
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "companion/Changes.h"

namespace lookout {

struct Notification {
    std::string summary;  // UTF-8
    std::string body;     // empty, or one sentence a line when several servers changed
};

// How long a server now back was Down or Dead; nullopt: not known.
using GoneFor = std::function<std::optional<std::chrono::milliseconds>(std::string_view key)>;

// "GameServer03 is Down (was Good)"; for a server back to Good, "GameServer03
// is Good again after 1 h 12 min" with the time goneFor tells (the history),
// or without goneFor the change's own (the watch saw it go), else
// "GameServer03 is Good again (was Down)"; nullopt when no state changed.
std::optional<Notification> NotificationFor(const std::vector<Change>& changes, const Servers& after,
                                            const GoneFor& goneFor = {});

class Notifier {
public:
    virtual ~Notifier() = default;
    // Never raises: a notifier that cannot reach its service reports that
    // itself.
    virtual void Show(const Notification& notification) = 0;
};

}  // namespace lookout
