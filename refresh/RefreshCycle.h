#pragma once
// The refresh cycle without a window: the interval page, the address page
// once, then the status and party pages on every tick of the timer TIMER
// and on Reload. It owns the settings texts, the HTTP client, the timer and
// the converter, and shows itself only through a RefreshFace and the panel.
//
// Every GET blocks while the pump keeps dispatching, so ticks, clicks and the
// close may arrive inside one. The client serves one request at a time: a tick
// or Reload that comes while a GET waits is dropped (the next one refreshes).
// The face hears how each refresh, and the activation, ended.
#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "refresh/RefreshFace.h"
#include "monitor/Settings.h"
#include "monitor/StatusPanel.h"
#include "net/HttpClient.h"
#include "platform/Timer.h"
#include "textconv/PzConv.h"

namespace lookout {

class Pump;

// How a caller that monitors the service, rather than shows it, wants its
// fetches bounded and judged. The window uses the defaults: the client's own
// time limits, and whatever body a reply brings.
struct FetchRules {
    // Bounds each refresh, the activation included, as a whole; 0: no bound.
    // The interval and address pages get at most a quarter of it each, so
    // that a silent one leaves the status page its time.
    std::chrono::milliseconds bound{0};
    // A reply with a status of 400 or more, or without a status line, fails
    // its page instead of being read.
    bool replyMustSucceed = false;
};

class RefreshCycle {
public:
    static constexpr int kFetchTimeOut = 20000;  // ms

    // The settings texts come from settings; HTTP gets TimeOut 20000 and the
    // hook HTTPAboutToSend; TIMER starts disabled.
    RefreshCycle(Pump& pump, StatusPanel& panel, RefreshFace& face, const Settings& settings);
    // The same with TIMER on clock (the tests' controllable time).
    RefreshCycle(Pump& pump, TimerService& clock, StatusPanel& panel, RefreshFace& face,
                 const Settings& settings);
    RefreshCycle(const RefreshCycle&) = delete;
    RefreshCycle& operator=(const RefreshCycle&) = delete;

    // The activation sequence. The address page's list-index error leaves it
    // and the later steps do not run.
    void FormActivate();
    // FormActivate as a window event: an escaping error goes to the error box.
    void Activate();
    void FetchLoadTime();
    void FetchAddressHints();
    void FetchServerStatus();
    void FetchPartyStatus();
    void TIMERTimer();
    void B_ReloadClick();
    void HTTPAboutToSend(THttpClient& sender);

    void SetFetchRules(const FetchRules& rules) { rules_ = rules; }

    std::string PageUrl(Page page) const;
    std::string SiteUrl() const;  // StatusBaseUrl + UrlSuffix

    // From now on no fetch starts and no message is shown; the timer stops; a
    // waiting fetch is cancelled and unwinds (the owner destroys the cycle only
    // after it did).
    void Close();
    bool Closing() const { return closing_; }
    bool Busy() const { return HTTP.Busy(); }  // a GET is on the stack

    const std::string& LoadTime() const { return loadTime_; }
    TTimer& Timer() { return TIMER; }
    const TTimer& Timer() const { return TIMER; }
    THttpClient& Http() { return HTTP; }
    const THttpClient& Http() const { return HTTP; }

private:
    void SetNormalCaption();
    // The status and party pages: caption and buttons around one fetch whose
    // body the reader turns into panel changes.
    using PageReader = void (*)(std::string_view body, StatusPanel& panel);
    void RefreshPanel(const std::string& caption, Page page, PageReader read);
    // One GET; false when it failed or the cycle is closing.
    bool TryGet(Page page);
    // Records the fetch and tells the face, of a change of the page's state too.
    void Fetched(const PageFetch& fetch, const std::exception* failure);
    // The most the page's GET may take under the rules' bound, in ms.
    int Budget(Page page) const;
    // Raises when the rules refuse the reply the client holds.
    void CheckReply() const;
    // True for a tick or Reload that must not run: while closing, or while a
    // GET waits (then it is counted).
    bool Dropped();
    // The status and party pages, as a refresh of their own unless one (the
    // activation's) is under way.
    void Refresh();
    // Ends a refresh that began at start and tells the face.
    void Finish(RefreshOutcome& outcome, bool completed, std::chrono::steady_clock::time_point start);

    StatusPanel& panel_;
    RefreshFace& face_;
    std::string loadTime_;
    const std::string statusBaseUrl_;
    const std::string mapBaseUrl_;
    const std::string urlSuffix_;
    THttpClient HTTP;
    TTimer TIMER;
    TPzConv PZ;
    bool closing_ = false;
    FetchRules rules_;
    std::chrono::steady_clock::time_point deadline_;  // of the refresh under way, under the bound
    // The refresh under way, which each fetch is added to; null between them.
    RefreshOutcome* running_ = nullptr;
    int dropped_ = 0;  // ticks and Reloads dropped since the last refresh
    std::array<bool, 4> failing_{};  // by Page: whether its last fetch failed
};

}  // namespace lookout
