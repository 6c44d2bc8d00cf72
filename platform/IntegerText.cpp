#include "platform/IntegerText.h"

#include "platform/Exception.h"
#include "platform/Messages.h"

namespace lookout {

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return std::string(text.substr(0, end));
}

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ReadHex(std::string_view digits, std::int32_t& value) {
    if (digits.empty()) return false;
    std::uint64_t v = 0;
    for (char c : digits) {
        const int d = HexValue(c);
        if (d < 0) return false;
        v = v * 16 + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFu) return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
}

bool ReadDecimal(std::string_view text, std::int32_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return false;
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > limit) return false;
    }
    value = static_cast<std::int32_t>(negative ? -v : v);
    return true;
}

}  // namespace

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == ' ') ++start;
    std::string_view rest = text.substr(start);
    if (rest.starts_with("0x") || rest.starts_with("0X")) return ReadHex(rest.substr(2), value);
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X'))
        return ReadHex(rest.substr(1), value);
    return ReadDecimal(rest, value);
}

std::int32_t StrToInt(std::string_view text) {
    std::int32_t value = 0;
    if (!TryStrToInt(text, value)) throw EConvertError(messages::NotAnInteger(std::string(text)));
    return value;
}

}  // namespace lookout
