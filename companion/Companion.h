#pragma once
// lookout-status on the window's refresh cycle: the same settings, client,
// converter and readers, shown as a table, a JSON document, a Nagios plugin
// result or a watch, with the metrics file beside any of them.
#include <optional>
#include <ostream>

#include "companion/Health.h"
#include "companion/HistoryRecorder.h"
#include "companion/LiveEndpoint.h"
#include "companion/Notification.h"
#include "companion/Options.h"
#include "companion/PanelRecorder.h"
#include "companion/TerminalFace.h"
#include "companion/Watch.h"
#include "refresh/RefreshCycle.h"

namespace lookout {

class Companion {
public:
    // Lines for the user go to err, prefixed with the program's name; clock
    // drives the refresh timer (the pump in the program). The cycle fails a
    // page whose reply is an HTTP error, and each refresh ends within
    // options.timeoutSeconds. colour: the table's state words in colour.
    Companion(Pump& pump, TimerService& clock, const Settings& settings, const Options& options,
              std::ostream& out, std::ostream& err, bool colour = false);
    Companion(const Companion&) = delete;
    Companion& operator=(const Companion&) = delete;

    // One refresh with the address page, then what the options ask for.
    ExitStatus RunOnce();
    // The first refresh and the table; then every refresh of the cycle's
    // timer prints the changes. False, after a line on err, when there is
    // nothing to watch: the activation ended early or the interval never fires.
    bool StartWatch(Notifier* notifier);
    // A watch records every refresh into the history (before StartWatch).
    void UseHistory(std::unique_ptr<HistoryRecorder> history) { history_ = std::move(history); }
    // Cancels a waiting fetch; nothing is printed after it. The history, if
    // any, records the watch's end.
    void Stop();

    RefreshCycle& Cycle() { return cycle_; }
    // The watch's metrics endpoint, once StartWatch has opened it.
    const LiveEndpoint* Live() const { return live_ ? &*live_ : nullptr; }
    // One line for the user on err.
    void Complain(const std::string& utf8Line);

private:
    void Finished(const RefreshOutcome& outcome);
    void AfterRefresh(const RefreshOutcome& outcome);
    // A one-shot run that could not judge the servers; the reason is on err.
    ExitStatus Unknown(const std::string& reason, const RefreshOutcome& run);
    // False, after a line on err, when the metrics file cannot be written.
    bool WriteMetrics(const RefreshOutcome& outcome);
    bool WriteMetrics(const std::string& text);
    void RecordHistory(const RefreshOutcome& outcome);
    std::string Metrics(const RefreshOutcome& outcome) const;

    Pump& pump_;
    const Options options_;
    std::ostream& out_;
    std::ostream& err_;
    std::ostream discard_{nullptr};
    // The table's and the watch's stream: out, unless the metrics take it.
    std::ostream& shown_;
    const bool colour_;
    std::string lastComplaint_;
    bool metricsFailing_ = false;
    std::unique_ptr<HistoryRecorder> history_;
    bool historyFailing_ = false;
    PanelRecorder panel_;
    TerminalFace face_;
    RefreshCycle cycle_;
    std::optional<RefreshOutcome> activation_;  // once the activation has ended
    std::optional<Watch> watch_;
    std::optional<LiveEndpoint> live_;
};

}  // namespace lookout
