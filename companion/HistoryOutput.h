#pragma once
// lookout-status --report, --export and --chart: what the history file says
// of the period before now, as a table, one JSON document, CSV, or an SVG
// picture written to its file. Only where the
// build has the history store; elsewhere they raise kNoHistoryStore.
#include <ostream>

#include "companion/HistoryRecorder.h"
#include "companion/Options.h"

namespace lookout {

extern const char* const kNoHistoryStore;

// Raises Exception with one line for the user when the file cannot be read.
void WriteHistoryOutput(const Options& options, const WallClock& now, std::ostream& out);

}  // namespace lookout
