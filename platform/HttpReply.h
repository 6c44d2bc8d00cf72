#pragma once
// HTTP/1.0 replies as bytes: status line, headers, the empty line, body.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lookout {

// The head up to and including its empty line, with Content-Type,
// Content-Length (when known), "Connection: close" and any `extra` header
// lines (each ending in CR LF).
std::string ReplyHead(int code, std::string_view reason, std::string_view contentType,
                      std::optional<std::uint64_t> contentLength, std::string_view extra = {});

// A whole reply with its body.
std::string WholeReply(int code, std::string_view reason, std::string_view contentType, std::string_view body,
                       std::string_view extra = {});

}  // namespace lookout
