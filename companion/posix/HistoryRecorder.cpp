#include "companion/HistoryRecorder.h"

#include "history/HistoryStore.h"

namespace lookout {

namespace {

HistoryTime At(std::chrono::system_clock::time_point time) {
    return std::chrono::time_point_cast<std::chrono::milliseconds>(time);
}

ServerSample SampleOf(const ServerState& server) {
    ServerSample sample{std::string(server.key), server.state, {}, {}, {}, {}, server.party, server.guild};
    if (!server.state) return sample;
    const Counts counts = CountsOf(server);
    sample.users = counts.population;
    sample.capacity = counts.capacity;
    if (!sample.users) sample.usersText = server.users;
    if (!sample.capacity) sample.capacityText = server.capacity;
    return sample;
}

}  // namespace

class HistoryRecorder::Store {
public:
    Store(const std::string& path, int keepDays, WallClock now)
        : store(path, HistoryStore::Mode::Record), keepDays(keepDays), now(std::move(now)) {}
    HistoryStore store;
    const int keepDays;
    const WallClock now;
};

HistoryRecorder::HistoryRecorder(const std::string& path, int keepDays, WallClock now)
    : store_(std::make_unique<Store>(path, keepDays, std::move(now))) {}

void HistoryRecorder::Begin(std::chrono::milliseconds interval, std::chrono::milliseconds timeout) {
    store_->store.StartWatch(At(store_->now()), interval, timeout);
}

HistoryRecorder::~HistoryRecorder() = default;

void HistoryRecorder::Record(const Servers& servers, const RefreshOutcome& outcome) {
    const HistoryTime at = At(store_->now());
    RefreshRecord refresh{at, {}, {}};
    const PageFetch& status = *outcome.Find(Page::Status);
    if (status.failure) {
        refresh.failure = status.failure;
    } else {
        for (const ServerState& server : servers) refresh.servers.push_back(SampleOf(server));
    }
    store_->store.Record(refresh);
    store_->store.Maintain(at, store_->keepDays);
}

std::optional<std::chrono::milliseconds> HistoryRecorder::GoneFor(std::string_view key) {
    const HistoryTime now = At(store_->now());
    const auto start = store_->store.OutageStart(std::string(key), now + std::chrono::milliseconds(1));
    if (!start) return std::nullopt;
    return now - *start;
}

void HistoryRecorder::Stop() { store_->store.EndWatch(At(store_->now())); }

}  // namespace lookout
