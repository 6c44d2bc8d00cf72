#include "demo/PageFaults.h"

#include <array>
#include <cstdio>

namespace lookout::demo {

namespace {

std::size_t CountLines(std::string_view page) {
    std::size_t n = 0;
    for (char c : page) n += c == '\n';
    return n + (!page.empty() && page.back() != '\n');
}

// The offset just past the first `n` line breaks (LF) of the page.
std::size_t AfterLines(std::string_view page, std::size_t n) {
    std::size_t pos = 0;
    for (; n > 0 && pos < page.size(); --n) {
        const std::size_t lf = page.find('\n', pos);
        pos = lf == std::string_view::npos ? page.size() : lf + 1;
    }
    return pos;
}

}  // namespace

std::string PadToLines(std::string_view page, std::size_t lines, std::size_t keep) {
    const std::size_t have = CountLines(page);
    if (have >= lines) return std::string(page);
    const std::size_t split = AfterLines(page, keep);
    std::string out(page.substr(0, split));
    char filler[48];
    for (std::size_t i = 0, n = lines - have; i < n; ++i) {
        std::snprintf(filler, sizeof filler, "# filler line %05zu\r\n", i + 1);
        out += filler;
    }
    out += page.substr(split);
    return out;
}

std::string SprinkleNuls(std::string_view page, std::size_t every) {
    std::string out;
    out.reserve(page.size() + page.size() / every + 1);
    for (std::size_t pos = 0; pos < page.size(); pos += every) {
        out += page.substr(pos, every);
        out += '\0';
    }
    return out;
}

std::string BreakEuc(std::string_view page) {
    static const std::array<std::string_view, 5> kBad = {
        "\xA4",          // lead byte before a lone LF, which becomes its partner
        "\x8E" "A",      // kana prefix before an ASCII letter
        "\xFF",          // never valid
        "\x8F\xA1",      // three-byte prefix cut short
        "\xB0" "1",      // lead byte before a digit
    };
    std::string out;
    std::size_t line = 0;
    for (std::size_t pos = 0; pos < page.size();) {
        std::size_t end = page.find("\r\n", pos);
        if (end == std::string_view::npos) end = page.size();
        out += page.substr(pos, end - pos);
        const std::size_t kind = line++ % kBad.size();
        out += kBad[kind];
        // The first kind leaves a lone LF: a converter that pairs any byte
        // with a lead byte eats it and joins this line to the next.
        if (end < page.size()) out += kind == 0 ? "\n" : "\r\n";
        pos = end + 2;
    }
    out += '\xA5';
    return out;
}

}  // namespace lookout::demo
