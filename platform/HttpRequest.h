#pragma once
// Reading an HTTP/1.0 request head: receiving it within a bound, where it
// ends, its request line, and the query parameters of its target.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SocketHandle.h"

namespace lookout {

// A request head larger than this is refused: it bounds a connection's memory.
inline constexpr std::size_t kMaxRequestHead = 16 * 1024;

// Appends what a non-blocking socket holds to `head`, stopping once it is past
// kMaxRequestHead; false once the peer has closed or failed.
bool ReceiveHead(SocketHandle fd, std::string& head);
// Reads and drops a few blocks, so a peer that never stops sending cannot
// hold a loop; false once the peer has closed or failed.
bool DiscardReceived(SocketHandle fd);

// The length of the head up to and including its empty line (CR LF CR LF or
// LF LF), or nullopt while the head is incomplete.
std::optional<std::size_t> FindHeadEnd(std::string_view data);

struct Request {
    std::string method;
    std::string path;   // the target up to "?"
    std::string query;  // after "?", undecoded
};

// The first line of the head, "GET /path?query HTTP/1.x"; nullopt when it has
// not that form. An absolute target ("http://host:port/path") keeps only its path.
std::optional<Request> ParseRequestLine(std::string_view head);

// "a=1&b=x%2Fy" as {a: 1, b: x/y}; "+" stands for a space; a later key wins.
std::map<std::string, std::string> ParseQuery(std::string_view query);

}  // namespace lookout
