// This build has no history store: --report, --export and --chart are refused.
#include "companion/HistoryOutput.h"

#include "platform/Exception.h"

namespace lookout {

const char* const kNoHistoryStore =
    "this build of lookout-status has no history store (--history, --report, --export, --chart)";

void WriteHistoryOutput(const Options&, const WallClock&, std::ostream&) { throw Exception(kNoHistoryStore); }

}  // namespace lookout
