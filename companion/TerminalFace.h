#pragma once
// The refresh cycle's face in a terminal: no caption and no buttons; the
// cycle's messages become one line each for the user, and every page's last
// fetch is remembered so failures can name the URL and the client's reason.
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "refresh/RefreshFace.h"

namespace lookout {

struct FetchResult {
    std::string url;                     // Shift-JIS, as the cycle formed it
    std::optional<std::string> failure;  // the client's failure text; nullopt: the page was read
};

class TerminalFace : public RefreshFace {
public:
    // complain gets one UTF-8 line without its line end.
    explicit TerminalFace(std::function<void(const std::string&)> complain) : complain_(std::move(complain)) {}

    void SetCaption(const std::string&) override {}
    void EnableButtons(bool) override {}
    void ShowMessage(const std::string& sjisText) override;
    void ShowError(const std::exception& error) override;
    void PageFetched(Page page, const std::string& url, const std::exception* failure) override;

    // The last fetch of the page; nullopt before any.
    std::optional<FetchResult> LastFetch(Page page) const;

private:
    // The message on one line, followed by what the last fetch says.
    void Complain(const std::string& sjisText);

    std::function<void(const std::string&)> complain_;
    std::map<Page, FetchResult> fetches_;
    std::optional<Page> lastPage_;
};

// "URL: reason" for a failed fetch, "URL" for a read one (UTF-8).
std::string Describe(const FetchResult& fetch);

}  // namespace lookout
