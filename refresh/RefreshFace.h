#pragma once
// What the refresh cycle needs of whatever shows it: the window in the
// program, a recorder in the tests. Texts are Shift-JIS.
#include <exception>
#include <string>

namespace lookout {

// The pages the cycle fetches.
enum class Page { Interval, Addresses, Status, Party };

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
};

}  // namespace lookout
