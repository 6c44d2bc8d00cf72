#include "companion/Companion.h"

#include "companion/IsoTime.h"
#include "companion/JsonReport.h"
#include "companion/Nagios.h"
#include "companion/Prometheus.h"
#include "companion/Table.h"
#include "platform/AtomicFile.h"
#include "platform/DisplayText.h"
#include "platform/Messages.h"

namespace lookout {

namespace {

std::string Now() { return IsoLocalTime(std::chrono::system_clock::now()); }

double Seconds(std::chrono::duration<double> time) { return time.count(); }

}  // namespace

Companion::Companion(Pump& pump, TimerService& clock, const Settings& settings, const Options& options,
                     std::ostream& out, std::ostream& err, bool colour)
    : pump_(pump),
      options_(options),
      out_(out),
      err_(err),
      shown_(options.prometheus == "-" ? discard_ : out),
      colour_(colour),
      face_([this](const std::string& line) { Complain(line); },
            [this](const RefreshOutcome& outcome) { Finished(outcome); }),
      cycle_(pump, clock, panel_, face_, settings) {
    cycle_.SetFetchRules({std::chrono::seconds(options.timeoutSeconds), true});
}

void Companion::Complain(const std::string& utf8Line) {
    lastComplaint_ = OneLine(utf8Line);
    err_ << "lookout-status: " << lastComplaint_ << std::endl;
}

ExitStatus Companion::RunOnce() {
    cycle_.Activate();
    if (cycle_.Closing()) return kExitUnknown;
    const RefreshOutcome& run = *activation_;
    if (!run.completed) return Unknown(lastComplaint_, run);  // the face said why
    // The verdict is the status page's: when it failed, that is the one line.
    const PageFetch& status = *run.Find(Page::Status);
    if (status.failure) {
        Complain(FetchLine(status));
        return Unknown(lastComplaint_, run);
    }
    const PageFetch* party = run.Find(Page::Party);
    if (party && party->failure) Complain(FetchLine(*party));
    if (options_.json) {
        const std::int64_t interval = cycle_.Timer().Interval() / 1000;
        const auto expires = status.certificateExpires;
        out_ << FormatJson({Now(), cycle_.PageUrl(Page::Status), interval, panel_.State(),
                            expires ? IsoLocalTime(std::chrono::system_clock::from_time_t(*expires)) : ""});
    } else if (options_.nagios) {
        out_ << FormatNagios(panel_.State(), run.took, options_.timeoutSeconds);
    } else {
        shown_ << FormatTable(panel_.State(), run.Read(Page::Party), colour_);
    }
    out_.flush();
    if (!WriteMetrics(run)) return kExitUnknown;
    return HealthOf(panel_.State());
}

ExitStatus Companion::Unknown(const std::string& reason, const RefreshOutcome& run) {
    if (options_.nagios) out_ << NagiosUnknown(reason) << std::flush;
    WriteMetrics(run);
    return kExitUnknown;
}

bool Companion::WriteMetrics(const RefreshOutcome& outcome) {
    return !options_.prometheus || WriteMetrics(Metrics(outcome));
}

bool Companion::WriteMetrics(const std::string& text) {
    if (!options_.prometheus) return true;
    if (*options_.prometheus == "-") {
        out_ << text << std::flush;
        return true;
    }
    try {
        PublishFile(*options_.prometheus, text);
    } catch (const std::exception& error) {
        // Once while it lasts: a watch tries again at every refresh.
        if (!metricsFailing_) Complain("cannot write the metrics: " + messages::Described(error));
        metricsFailing_ = true;
        return false;
    }
    metricsFailing_ = false;
    return true;
}

std::string Companion::Metrics(const RefreshOutcome& outcome) const {
    const PageFetch* status = outcome.Find(Page::Status);
    std::optional<double> expiry;
    if (status && status->certificateExpires) expiry = static_cast<double>(*status->certificateExpires);
    return FormatPrometheus({outcome.Read(Page::Status), outcome.Read(Page::Party), panel_.State(),
                             Seconds(std::chrono::system_clock::now().time_since_epoch()), Seconds(outcome.took),
                             cycle_.Timer().Interval() / 1000.0, expiry});
}

bool Companion::StartWatch(Notifier* notifier) {
    if (options_.listen) {
        try {
            live_.emplace(pump_, *options_.listen);
        } catch (const Exception& error) {
            Complain(error.Message());
            return false;
        }
    }
    watch_.emplace(shown_, notifier, std::chrono::system_clock::now, colour_, options_.alertAfter);
    cycle_.Activate();
    if (cycle_.Closing() || !activation_->completed) return false;
    if (cycle_.Timer().Interval() <= 0) {
        Complain("the service's refresh interval is " + SjisToUtf8(cycle_.LoadTime()) +
                 " s, so nothing would be refreshed");
        return false;
    }
    if (history_) {
        try {
            history_->Begin(std::chrono::milliseconds(cycle_.Timer().Interval()),
                            std::chrono::seconds(options_.timeoutSeconds));
        } catch (const std::exception& error) {
            Complain("cannot record the history: " + SjisToUtf8(error.what()));
            return false;
        }
        watch_->TellGoneFrom([this](std::string_view key) { return history_->GoneFor(key); });
    }
    AfterRefresh(*activation_);
    return true;
}

void Companion::Finished(const RefreshOutcome& outcome) {
    if (outcome.activation) {
        activation_ = outcome;
    } else if (watch_ && outcome.completed) {
        AfterRefresh(outcome);
    }
}

void Companion::AfterRefresh(const RefreshOutcome& outcome) {
    // The watch first: a recovery's time gone ends at the refresh before.
    watch_->AfterRefresh(panel_.State(), outcome);
    RecordHistory(outcome);
    // One text for the file and the endpoint, made once a refresh.
    if (!options_.prometheus && !live_) return;
    std::string metrics = Metrics(outcome);
    WriteMetrics(metrics);
    if (live_) live_->AfterRefresh(outcome.Read(Page::Status), std::move(metrics));
}

void Companion::RecordHistory(const RefreshOutcome& outcome) {
    if (!history_) return;
    try {
        history_->Record(panel_.State(), outcome);
    } catch (const std::exception& error) {
        // Once while it lasts; the watch goes on and tries again.
        if (!historyFailing_) Complain("cannot record the history: " + SjisToUtf8(error.what()));
        historyFailing_ = true;
        return;
    }
    historyFailing_ = false;
}

void Companion::Stop() {
    cycle_.Close();
    if (!history_) return;
    try {
        history_->Stop();
    } catch (const std::exception& error) {
        Complain("cannot record the history: " + SjisToUtf8(error.what()));
    }
}

}  // namespace lookout
