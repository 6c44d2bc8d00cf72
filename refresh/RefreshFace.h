#pragma once
// What the refresh cycle needs of whatever shows it: the window in the
// program, a recorder in the tests. Texts are Shift-JIS.
#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace lookout {

// The pages the cycle fetches.
enum class Page { Interval, Addresses, Status, Party };

// One fetch of a refresh and how it went.
struct PageFetch {
    Page page;
    std::string url;                     // as the cycle formed it
    std::optional<std::string> failure;  // the failure's text; nullopt: the page was read
    // The earliest notAfter of the TLS peer's chain (seconds since the
    // epoch), when the page was read over https.
    std::optional<std::int64_t> certificateExpires;
};

// How a refresh ended: every timer tick or Reload that ran, and the
// activation, whose refresh also holds the interval and address pages.
struct RefreshOutcome {
    bool activation = false;
    // False when the close, or an error that left the activation, cut it short.
    bool completed = true;
    std::vector<PageFetch> pages;  // in fetch order
    // Ticks and Reloads dropped since the last refresh, as a fetch still waited.
    int droppedTicks = 0;
    std::chrono::steady_clock::duration took{};

    std::size_t PagesRead() const {
        std::size_t read = 0;
        for (const PageFetch& fetch : pages) read += fetch.failure ? 0 : 1;
        return read;
    }
    // The page's fetch in this refresh; null when it was not fetched.
    const PageFetch* Find(Page page) const {
        for (const PageFetch& fetch : pages)
            if (fetch.page == page) return &fetch;
        return nullptr;
    }
    bool Read(Page page) const {
        const PageFetch* fetch = Find(page);
        return fetch && !fetch->failure;
    }
};

class RefreshFace {
public:
    virtual ~RefreshFace() = default;
    virtual void SetCaption(const std::string& sjis) = 0;
    // B_Reload, B_JumpUrl and B_About together, in this order.
    virtual void EnableButtons(bool enabled) = 0;
    // Modal, OK only, titled with the application title; returns when closed.
    virtual void ShowMessage(const std::string& sjisText) = 0;
    // The error box for an error that escaped a window event.
    virtual void ShowError(const std::exception& error) = 0;
    // After every GET the cycle makes; failure is null when the GET returned.
    virtual void PageFetched(Page /*page*/, const std::string& /*url*/, const std::exception* /*failure*/) {}
    // A page's fetch failed where its last one read (or where it was the
    // page's first), or read where its last one failed: once a change, not at
    // every tick of the same state. A fetch the close cancelled is no change.
    virtual void PageTurned(const PageFetch& /*fetch*/) {}
    // At the end of every refresh that ran, and of the activation (once, with
    // its own refresh's pages in it). An activation that an error left is
    // reported before the error box.
    virtual void RefreshFinished(const RefreshOutcome& /*outcome*/) {}
};

}  // namespace lookout
