#include "demo/PageRoutes.h"

#include <algorithm>

#include "demo/DemoPages.h"
#include "demo/DemoRandom.h"
#include "demo/PageFaults.h"
#include "platform/HttpReply.h"

namespace lookout::demo {

namespace {

using std::chrono::milliseconds;

constexpr std::size_t kManyLines = 10000;
constexpr std::uint64_t kHugeBody = 100ull * 1024 * 1024;
constexpr std::size_t kGarbageBytes = 4096;

const char* const kNotFoundBody = "<html><head><title>404 Not Found</title></head>"
                                  "<body><h1>Not Found</h1></body></html>\r\n";

std::string_view ContentType(PageKind kind) {
    if (kind == PageKind::Address) return "text/html; charset=EUC-JP";
    return kind == PageKind::Site ? "text/html" : "text/plain";
}

bool IsSiteName(std::string_view name) {
    return std::ranges::all_of(name, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
}

std::string OkReply(PageKind kind, std::string_view body) { return WholeReply(200, "OK", ContentType(kind), body); }

std::string Garbage(std::uint64_t seed) {
    std::string bytes(kGarbageBytes, '\0');
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        const std::uint64_t h = Hash(seed, 0x6A7B, i);
        for (std::size_t k = 0; k < 8 && i + k < bytes.size(); ++k) bytes[i + k] = static_cast<char>(h >> (8 * k));
    }
    // Never let the noise pass for a status line.
    bytes[0] = '\x01';
    return bytes;
}

std::unique_ptr<ReplyStream> Fixed(std::string bytes, milliseconds firstPause = {}, std::size_t piece = 64 * 1024,
                                   milliseconds piecePause = {}) {
    return std::make_unique<FixedReply>(std::move(bytes), firstPause, piece, piecePause);
}

Answer Send(std::unique_ptr<ReplyStream> reply) { return Answer{Answer::Action::Send, std::move(reply)}; }

}  // namespace

std::optional<PageKind> PageAt(std::string_view path) {
    if (path.ends_with("/loadtime.txt")) return PageKind::LoadTime;
    if (path.ends_with("/status.txt")) return PageKind::Status;
    if (path.ends_with("/party.txt")) return PageKind::Party;
    if (path.starts_with("/ipmap/")) return PageKind::Address;
    if (path.starts_with("/") && IsSiteName(path.substr(1))) return PageKind::Site;
    return std::nullopt;
}

std::string PageBody(PageKind kind, const PageInputs& in) {
    switch (kind) {
        case PageKind::LoadTime: return LoadTimePage(in.intervalSeconds);
        case PageKind::Status: return StatusPage(Simulate(in.seed, in.step));
        case PageKind::Party: return PartyPage(Simulate(in.seed, in.step));
        case PageKind::Address: return in.addressPage;
        case PageKind::Site: return SitePage(Simulate(in.seed, in.step));
    }
    return {};
}

Answer AnswerRequest(const Request& request, const Fault& fault, const PageInputs& in) {
    const std::optional<PageKind> kind = PageAt(request.path);
    if (!kind) return Send(Fixed(WholeReply(404, "Not Found", "text/html", kNotFoundBody)));

    switch (fault.mode) {
        case FaultMode::Normal: break;
        case FaultMode::Slow: return Send(Fixed(OkReply(*kind, PageBody(*kind, in)), fault.pause));
        case FaultMode::Silent: return Answer{Answer::Action::Silent, nullptr};
        case FaultMode::Reset: return Answer{Answer::Action::Reset, nullptr};
        case FaultMode::EarlyClose: return Send(Fixed("HTTP/1."));
        case FaultMode::NotFound: return Send(Fixed(WholeReply(404, "Not Found", "text/html", kNotFoundBody)));
        case FaultMode::Redirect: {
            std::string to = fault.redirectTo;
            if (to.empty()) to = in.selfUrl + request.path + (request.query.empty() ? "" : "?" + request.query);
            const std::string body = "<html><body><a href=\"" + to + "\">moved</a></body></html>\r\n";
            return Send(Fixed(WholeReply(302, "Found", "text/html", body, "Location: " + to + "\r\n")));
        }
        case FaultMode::Garbage: return Send(Fixed(Garbage(in.garbageSeed)));
        case FaultMode::Empty: return Send(Fixed(OkReply(*kind, "")));
        case FaultMode::Trickle: return Send(Fixed(OkReply(*kind, PageBody(*kind, in)), {}, 1, fault.pause));
        case FaultMode::Endless:
            return Send(std::make_unique<RepeatingReply>(ReplyHead(200, "OK", ContentType(*kind), std::nullopt),
                                                         PageBody(*kind, in)));
        case FaultMode::Huge:
            return Send(std::make_unique<RepeatingReply>(ReplyHead(200, "OK", ContentType(*kind), kHugeBody),
                                                         PageBody(*kind, in), kHugeBody));
        case FaultMode::NoHeaderEnd:
            return Send(std::make_unique<RepeatingReply>("HTTP/1.0 200 OK\r\n", "X-Padding: and more to come\r\n"));
        case FaultMode::Nuls: return Send(Fixed(OkReply(*kind, SprinkleNuls(PageBody(*kind, in)))));
        case FaultMode::BadEuc:
            if (*kind == PageKind::Address) return Send(Fixed(OkReply(*kind, BreakEuc(PageBody(*kind, in)))));
            break;
        case FaultMode::Refused: break;  // carried out by the listener, never a page's
        case FaultMode::ManyLines: {
            const std::size_t keep = *kind == PageKind::Address ? 1 : 0;
            return Send(Fixed(OkReply(*kind, PadToLines(PageBody(*kind, in), kManyLines, keep))));
        }
    }
    return Send(Fixed(OkReply(*kind, PageBody(*kind, in))));
}

}  // namespace lookout::demo
