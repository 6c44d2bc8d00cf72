#pragma once
// What a page request gets: the page its path names, spoilt by the fault
// that applies to it. Pure: the connection only carries out the answer.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "demo/FaultTable.h"
#include "demo/ReplyStream.h"
#include "platform/HttpRequest.h"

namespace lookout::demo {

enum class PageKind { LoadTime, Status, Party, Address, Site };

// Paths ending in "/loadtime.txt", "/status.txt" or "/party.txt", paths
// beginning with "/ipmap/", and "/" or "/NAME" (letters, digits, "-" and "_":
// a base URL and a suffix, as the Site button joins them); nullopt for any
// other path.
std::optional<PageKind> PageAt(std::string_view path);

struct PageInputs {
    std::uint64_t seed = 0;
    std::uint64_t step = 0;
    int intervalSeconds = 10;
    std::string addressPage;   // EUC-JP, made once: it does not change over time
    std::string selfUrl;       // "http://127.0.0.1:PORT", for redirects
    std::uint64_t garbageSeed = 0;  // differs per connection
};

// The normal body of a page.
std::string PageBody(PageKind kind, const PageInputs& in);

struct Answer {
    enum class Action { Send, Silent, Reset } action = Action::Send;
    std::unique_ptr<ReplyStream> reply;  // set for Send
};

// A path that names no page gets a 404 whatever the fault.
Answer AnswerRequest(const Request& request, const Fault& fault, const PageInputs& in);

}  // namespace lookout::demo
