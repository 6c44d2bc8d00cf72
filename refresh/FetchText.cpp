#include "refresh/FetchText.h"

#include <algorithm>

#include "platform/DisplayText.h"
#include "platform/Messages.h"

namespace lookout {

namespace {

const char* PageName(Page page) {
    switch (page) {
        case Page::Interval: return "interval page";
        case Page::Addresses: return "address page";
        case Page::Status: return "status page";
        case Page::Party: return "party page";
    }
    return "page";
}

}  // namespace

std::string Describe(const PageFetch& fetch) {
    std::string text = SjisToUtf8(fetch.url);
    if (fetch.failure) text += ": " + messages::Glossed(*fetch.failure);
    return OneLine(std::move(text));
}

std::string FetchLine(const PageFetch& fetch) {
    if (fetch.failure) return std::string("cannot read the ") + PageName(fetch.page) + " " + Describe(fetch);
    return std::string("the ") + PageName(fetch.page) + " reads again: " + Describe(fetch);
}

std::string OneLine(std::string utf8) {
    std::replace_if(
        utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, ' ');
    return utf8;
}

}  // namespace lookout
