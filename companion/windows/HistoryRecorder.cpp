// This build has no history store: --history is refused.
#include "companion/HistoryRecorder.h"

#include "companion/HistoryOutput.h"
#include "platform/Exception.h"

namespace lookout {

class HistoryRecorder::Store {};

HistoryRecorder::HistoryRecorder(const std::string&, int, WallClock) { throw Exception(kNoHistoryStore); }

HistoryRecorder::~HistoryRecorder() = default;

// Never called: no recorder is ever made here.
void HistoryRecorder::Begin(std::chrono::milliseconds, std::chrono::milliseconds) {}
void HistoryRecorder::Record(const Servers&, const RefreshOutcome&) {}
std::optional<std::chrono::milliseconds> HistoryRecorder::GoneFor(std::string_view) { return std::nullopt; }
void HistoryRecorder::Stop() {}

}  // namespace lookout
