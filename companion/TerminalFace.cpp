#include "companion/TerminalFace.h"

#include "platform/Messages.h"

namespace lookout {

void TerminalFace::ShowMessage(const std::string& sjisText) { Complain(sjisText); }

void TerminalFace::ShowError(const std::exception& error) { Complain(error.what()); }

void TerminalFace::Complain(const std::string& sjisText) {
    std::string line = OneLine(messages::Glossed(sjisText));
    if (last_) line += " (" + Describe(*last_) + ")";
    complain_(line);
}

void TerminalFace::PageFetched(Page page, const std::string& url, const std::exception* failure) {
    last_ = PageFetch{page, url, std::nullopt, std::nullopt};
    if (failure) last_->failure = failure->what();
}

}  // namespace lookout
