#pragma once
// The watch's history file (--history FILE): every refresh recorded as it
// ends, old rows rolled up and pruned along the way, and how long a server
// that is back was gone, across restarts of the watch. Only where the build
// has the history store; elsewhere opening one raises the line saying so.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "companion/ServerState.h"
#include "refresh/RefreshFace.h"

namespace lookout {

using WallClock = std::function<std::chrono::system_clock::time_point()>;

class HistoryRecorder {
public:
    // Opens (or creates) the file. Raises Exception with one line for the
    // user: the file unusable or newer than this program.
    HistoryRecorder(const std::string& path, int keepDays, WallClock now);
    ~HistoryRecorder();
    HistoryRecorder(const HistoryRecorder&) = delete;
    HistoryRecorder& operator=(const HistoryRecorder&) = delete;

    // Claims the file for this watch, whose refreshes come every `interval`
    // and each end within `timeout`. Raises Exception when another watch
    // records into it.
    void Begin(std::chrono::milliseconds interval, std::chrono::milliseconds timeout);
    // After every refresh of the watch, with the servers as it left them.
    // Raises Exception when the file cannot be written.
    void Record(const Servers& servers, const RefreshOutcome& outcome);
    // How long the server has been Down or Dead up to the last refresh
    // recorded; nullopt when it was in neither.
    std::optional<std::chrono::milliseconds> GoneFor(std::string_view key);
    // The watch ends here: the time after is no data.
    void Stop();

private:
    class Store;
    std::unique_ptr<Store> store_;
};

}  // namespace lookout
