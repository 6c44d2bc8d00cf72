#pragma once
// Byte strings for the converter tests, written as lists of byte values.
#include <cstdint>
#include <initializer_list>
#include <string>

namespace lookout::test {

inline std::string Bytes(std::initializer_list<std::uint8_t> bytes) {
    std::string s;
    for (std::uint8_t b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

inline std::string Hex(const std::string& s) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        if (!out.empty()) out.push_back(' ');
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

}  // namespace lookout::test
