#pragma once
// lookout-status on the window's refresh cycle: the same settings, client,
// converter and readers, shown as a table, a JSON document or a watch.
#include <functional>
#include <optional>
#include <ostream>

#include "companion/Health.h"
#include "companion/Notification.h"
#include "companion/PanelRecorder.h"
#include "companion/TerminalFace.h"
#include "companion/Watch.h"
#include "refresh/RefreshCycle.h"

namespace lookout {

class Companion {
public:
    // Lines for the user go to err, prefixed with the program's name; clock
    // drives the refresh timer (the pump in the program).
    Companion(Pump& pump, TimerService& clock, const Settings& settings, std::ostream& out, std::ostream& err);
    Companion(const Companion&) = delete;
    Companion& operator=(const Companion&) = delete;

    // One refresh with the address page, then the table or the JSON document.
    ExitStatus RunOnce(bool json);
    // The first refresh and the table; then every refresh of the cycle's
    // timer prints the changes. False, after a line on err, when there is
    // nothing to watch: the activation ended early or the interval never fires.
    bool StartWatch(Notifier* notifier);
    // Cancels a waiting fetch; nothing is printed after it.
    void Stop() { cycle_.Close(); }

    RefreshCycle& Cycle() { return cycle_; }
    // One line for the user on err.
    void Complain(const std::string& utf8Line);

private:
    void Finished(const RefreshOutcome& outcome);
    void AfterRefresh(const RefreshOutcome& outcome);

    std::ostream& out_;
    std::ostream& err_;
    PanelRecorder panel_;
    TerminalFace face_;
    RefreshCycle cycle_;
    std::optional<RefreshOutcome> activation_;  // once the activation has ended
    std::optional<Watch> watch_;
};

}  // namespace lookout
