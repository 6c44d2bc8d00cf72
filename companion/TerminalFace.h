#pragma once
// The refresh cycle's face in a terminal: no caption and no buttons; the
// cycle's messages become one line each for the user, naming the last fetch
// with the client's reason, and each finished refresh goes to its listener.
#include <functional>
#include <optional>
#include <string>

#include "refresh/FetchText.h"
#include "refresh/RefreshFace.h"

namespace lookout {

class TerminalFace : public RefreshFace {
public:
    // complain gets one UTF-8 line without its line end.
    TerminalFace(std::function<void(const std::string&)> complain,
                 std::function<void(const RefreshOutcome&)> finished)
        : complain_(std::move(complain)), finished_(std::move(finished)) {}

    void SetCaption(const std::string&) override {}
    void EnableButtons(bool) override {}
    void ShowMessage(const std::string& sjisText) override;
    void ShowError(const std::exception& error) override;
    void PageFetched(Page page, const std::string& url, const std::exception* failure) override;
    void RefreshFinished(const RefreshOutcome& outcome) override { finished_(outcome); }

private:
    // The message on one line, followed by what the last fetch says.
    void Complain(const std::string& sjisText);

    std::function<void(const std::string&)> complain_;
    std::function<void(const RefreshOutcome&)> finished_;
    std::optional<PageFetch> last_;
};

}  // namespace lookout
