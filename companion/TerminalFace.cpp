#include "companion/TerminalFace.h"

#include <algorithm>

#include "platform/DisplayText.h"

namespace lookout {

std::string Describe(const PageFetch& fetch) {
    std::string text = SjisToUtf8(fetch.url);
    if (fetch.failure) text += ": " + SjisToUtf8(*fetch.failure);
    return OneLine(std::move(text));
}

std::string OneLine(std::string utf8) {
    std::replace_if(
        utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    return utf8;
}

void TerminalFace::ShowMessage(const std::string& sjisText) { Complain(sjisText); }

void TerminalFace::ShowError(const std::exception& error) { Complain(error.what()); }

void TerminalFace::Complain(const std::string& sjisText) {
    std::string line = OneLine(SjisToUtf8(sjisText));
    if (last_) line += " (" + Describe(*last_) + ")";
    complain_(line);
}

void TerminalFace::PageFetched(Page page, const std::string& url, const std::exception* failure) {
    last_ = PageFetch{page, url, std::nullopt, std::nullopt};
    if (failure) last_->failure = failure->what();
}

}  // namespace lookout
