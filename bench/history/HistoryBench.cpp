// The history file after 90 days of a watch at a 60 s interval over the 26
// servers, written by the store's own recording and maintenance up to now:
// its size on disk, and the time of a 30-day lookout-status --report on it
// beside the time of Debian's sqlite3 counting the rows that report reads.
// Lines are "name: value". Arguments: the lookout-status to run, and
// optionally the folder for the file (default: the system's temporary one).
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "monitor/SlotTable.h"

using namespace lookout;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kDays = 90;  // lookout-status keeps as many by default

// A day's users rise and fall; every server goes Down for half an hour
// every three days and is Closed for an hour a week.
ServerSample SampleAt(std::size_t slot, std::int64_t minute) {
    const std::int64_t day = minute / 1440, ofDay = minute % 1440;
    const char* word = "Good";
    if ((day + static_cast<std::int64_t>(slot)) % 3 == 0 && ofDay >= 600 && ofDay < 630) word = "Down";
    if (day % 7 == static_cast<std::int64_t>(slot % 7) && ofDay >= 240 && ofDay < 300) word = "Closed";
    const double wave = std::sin(static_cast<double>(ofDay) / 1440 * 2 * 3.14159265);
    const auto users =
        static_cast<std::int64_t>(2000 + 1500 * wave + static_cast<double>((minute * 7919 + slot * 31) % 97));
    return {std::string(kSlots[slot].key), std::string(word), users, 5000, {}, {}, "good", "good"};
}

// Median wall time of `runs` runs of a shell command, in milliseconds.
double MedianMs(const std::string& command, int runs) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        const int status = std::system(command.c_str());
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (status != 0) std::fprintf(stderr, "failed (%d): %s\n", status, command.c_str());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_history LOOKOUT-STATUS [FOLDER]\n");
        return 2;
    }
    // The size is the same on any file system; tmpfs spares the shared disk.
    const std::filesystem::path folder = argc > 2 ? argv[2]
                                         : std::filesystem::is_directory("/dev/shm")
                                             ? "/dev/shm"
                                             : std::filesystem::temp_directory_path();
    const std::string file = (folder / "lookout-bench-history.sqlite").string();
    for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);

    const HistoryTime now = std::chrono::time_point_cast<std::chrono::milliseconds>(HistoryClock::now());
    const HistoryTime start = now - std::chrono::days(kDays);
    const auto writing = Clock::now();
    {
        HistoryStore store(file, HistoryStore::Mode::Record);
        store.StartWatch(start, 60s, 10s);
        for (std::int64_t minute = 0; minute < kDays * 1440; ++minute) {
            RefreshRecord refresh{start + std::chrono::minutes(minute), std::nullopt, {}};
            for (std::size_t slot = 0; slot < kSlotCount; ++slot) refresh.servers.push_back(SampleAt(slot, minute));
            store.Record(refresh);
            store.Maintain(refresh.at, kDays);  // the default --keep
        }
        store.EndWatch(now);
    }
    const double writeS = std::chrono::duration<double>(Clock::now() - writing).count();
    const auto bytes = std::filesystem::file_size(file);
    std::printf("history: 90 days at 60 s, 26 servers, on disk: %.2f MB (target under 10 MB), written in %.1f s\n",
                static_cast<double>(bytes) / 1e6, writeS);

    const std::string quoted = "'" + file + "'";
    const double report =
        MedianMs(std::string(argv[1]) + " --report --since 30d --history " + quoted + " >/dev/null", 5);
    const std::int64_t from = (now - std::chrono::days(30)).time_since_epoch().count();
    const std::string count = "sqlite3 " + quoted + " 'SELECT count(*) FROM hourly WHERE hour > " +
                              std::to_string(from - 3600000) +
                              "; SELECT count(*) FROM refresh r LEFT JOIN sample s ON s.refresh = r.id' >/dev/null";
    const double counting = MedianMs(count, 5);
    std::printf("history: 30-day --report, median of 5: %.1f ms, %.2fx sqlite3 counting the same rows (%.1f ms)\n",
                report, counting > 0 ? report / counting : 0, counting);
    if (!std::getenv("LOOKOUT_BENCH_KEEP"))
        for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(file + suffix);
}
