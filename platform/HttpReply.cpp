#include "platform/HttpReply.h"

namespace lookout {

std::string ReplyHead(int code, std::string_view reason, std::string_view contentType,
                      std::optional<std::uint64_t> contentLength, std::string_view extra) {
    std::string head = "HTTP/1.0 " + std::to_string(code) + " " + std::string(reason) + "\r\n";
    head += "Content-Type: " + std::string(contentType) + "\r\n";
    if (contentLength) head += "Content-Length: " + std::to_string(*contentLength) + "\r\n";
    head += "Connection: close\r\n";
    head += extra;
    head += "\r\n";
    return head;
}

std::string WholeReply(int code, std::string_view reason, std::string_view contentType, std::string_view body,
                       std::string_view extra) {
    return ReplyHead(code, reason, contentType, body.size(), extra) + std::string(body);
}

}  // namespace lookout
