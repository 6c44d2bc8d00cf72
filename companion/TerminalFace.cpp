#include "companion/TerminalFace.h"

#include <algorithm>

#include "platform/DisplayText.h"

namespace lookout {

std::string Describe(const FetchResult& fetch) {
    std::string text = SjisToUtf8(fetch.url);
    if (fetch.failure) text += ": " + SjisToUtf8(*fetch.failure);
    return text;
}

void TerminalFace::ShowMessage(const std::string& sjisText) { Complain(sjisText); }

void TerminalFace::ShowError(const std::exception& error) { Complain(error.what()); }

void TerminalFace::Complain(const std::string& sjisText) {
    std::string line = SjisToUtf8(sjisText);
    std::replace(line.begin(), line.end(), '\n', ' ');
    if (lastPage_) line += " (" + Describe(fetches_.at(*lastPage_)) + ")";
    complain_(line);
}

void TerminalFace::PageFetched(Page page, const std::string& url, const std::exception* failure) {
    FetchResult& fetch = fetches_[page];
    fetch.url = url;
    fetch.failure.reset();
    if (failure) fetch.failure = failure->what();
    lastPage_ = page;
}

std::optional<FetchResult> TerminalFace::LastFetch(Page page) const {
    const auto found = fetches_.find(page);
    if (found == fetches_.end()) return std::nullopt;
    return found->second;
}

}  // namespace lookout
