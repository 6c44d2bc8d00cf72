#pragma once
// The history as CSV (RFC 4180: CRLF line ends, a header row, fields quoted
// when they hold a comma, a quote or a line break), times in UTC ISO 8601.
// One line per server sample of a raw refresh ("sample"), per failed refresh
// ("failed", its failure as the state), and per hourly row older than the
// raw window ("hourly", with its seconds per state).
#include <ostream>

#include "history/HistoryQuery.h"

namespace lookout {

// Texts go out as UTF-8.
void ExportCsv(HistoryStore& store, const Period& period, std::ostream& out);

}  // namespace lookout
