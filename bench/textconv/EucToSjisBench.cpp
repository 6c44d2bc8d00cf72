// Times EucToSjis on a 20 MB EUC-JP page against iconv(3) EUC-JP -> CP932 and
// a memcpy of the same buffer, and prints how they compare.

#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "platform/CharsetConverter.h"
#include "textconv/EucToSjisKernels.h"
#include "textconv/PzConv.h"

namespace {

// A page shaped like the address list the monitor reads: table markup and
// addresses in ASCII around short runs of kana and kanji, now and then a run
// of half-width katakana. Only assigned JIS X 0208 codes, so iconv takes it.
std::string MakePage(std::size_t size) {
    std::mt19937 rng(20050504);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static const char* const kMarkup[] = {"<tr><td>", "</td><td>", "</td></tr>\n", "<br>", "<b>", "</b>",
                                          "<a href=\"http://127.0.0.1/map/", "\">", "</a>", " ", "\n"};
    std::string page;
    page.reserve(size + 64);
    auto twoByte = [&](int row, int cell) {
        page.push_back(static_cast<char>(row | 0x80));
        page.push_back(static_cast<char>(cell | 0x80));
    };
    while (page.size() < size) {
        page += kMarkup[pick(0, 10)];
        const int kind = pick(0, 9);
        if (kind < 3) {  // an address or a count
            page += std::to_string(pick(1, 254)) + "." + std::to_string(pick(0, 255)) + "." +
                    std::to_string(pick(0, 255)) + ":" + std::to_string(pick(1024, 65535));
        } else if (kind < 9) {  // a phrase of kanji, hiragana, katakana and punctuation
            for (int k = pick(2, 24); k > 0; --k) {
                const int c = pick(0, 9);
                if (c < 5) twoByte(pick(0x30, 0x4E), pick(0x21, 0x7E));
                else if (c < 8) twoByte(0x24, pick(0x21, 0x73));
                else if (c < 9) twoByte(0x25, pick(0x21, 0x76));
                else twoByte(0x21, pick(0, 1) ? 0x22 : 0x3C);
            }
        } else {  // half-width katakana
            for (int k = pick(2, 10); k > 0; --k) {
                page.push_back(static_cast<char>(0x8E));
                page.push_back(static_cast<char>(pick(0xA1, 0xDF)));
            }
        }
    }
    page.resize(size);
    // Do not leave a character cut in half at the end.
    while (!page.empty() && static_cast<std::uint8_t>(page.back()) >= 0x80) page.pop_back();
    return page;
}

std::string IconvToCp932(const std::string& euc) {
    std::optional<std::string> out = lookout::CharsetConverter("CP932", "EUC-JP").TryConvert(euc);
    if (!out) {
        std::fputs("iconv refused the page\n", stderr);
        std::exit(1);
    }
    return *std::move(out);
}

// <chrono> does not build under the CP932 execution charset (it spells the
// micro sign), so the clock is read directly.
double Now() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

struct Contender {
    const char* name;
    std::function<std::size_t()> run;  // returns something of the result, so it is kept
    double best = 1e9;
};

// Each contender several times in a row, its best run: the page then sits in
// cache as far as it fits, and the result's memory is the one the run before
// freed, for every contender alike. Three passes over the field spread each
// contender's runs over time, so that a burst of load on a shared machine
// spoils at most one pass of them.
void Race(std::vector<Contender>& field) {
    std::size_t keep = 0;
    for (int pass = 0; pass < 3; ++pass) {
        for (Contender& c : field) {
            for (int run = 0; run < 5; ++run) {
                const double t0 = Now();
                keep += c.run();
                c.best = std::min(c.best, Now() - t0);
            }
        }
    }
    if (keep == 0) std::printf("(nothing converted)\n");
}

}  // namespace

int main() {
    const std::string page = MakePage(20u << 20);
    std::size_t ascii = 0, kana = 0;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(page[i]);
        if (b < 0x80) ++ascii;
        else if (b == 0x8E) kana += 2;
    }

    lookout::TPzConv pz;
    const std::string viaIconv = IconvToCp932(page);
    if (pz.EucToSjis(page) != viaIconv || lookout::textconv::EucToSjisPlain(page) != viaIconv) {
        std::fprintf(stderr, "EucToSjis and iconv disagree on the page\n");
        return 1;
    }

    std::string sink(page.size(), '\0');
    std::vector<Contender> field = {
        {"memcpy", [&] {
             std::memcpy(sink.data(), page.data(), page.size());
             return static_cast<std::size_t>(static_cast<unsigned char>(sink[page.size() / 2]));
         }},
        {"iconv EUC-JP -> CP932", [&] { return IconvToCp932(page).size(); }},
        {"EucToSjis", [&] { return pz.EucToSjis(page).size(); }},
        {"  plain loop", [&] { return lookout::textconv::EucToSjisPlain(page).size(); }},
    };
#if defined(__SSE2__)
    field.push_back({"  SSE2 loop", [&] { return lookout::textconv::EucToSjisSse2(page).size(); }});
    if (lookout::textconv::Ssse3Usable())
        field.push_back({"  SSSE3 loop", [&] { return lookout::textconv::EucToSjisSsse3(page).size(); }});
#endif
    Race(field);

    const double mb = page.size() / 1e6;
    std::printf("page: %.1f MiB EUC-JP, %.0f%% ASCII, %.0f%% half-width kana, %.0f%% other two-byte\n",
                page.size() / 1048576.0, 100.0 * ascii / page.size(), 100.0 * kana / page.size(),
                100.0 * (page.size() - ascii - kana) / page.size());
    const double memcpyTime = field[0].best;
    const double iconvTime = field[1].best;
    std::printf("  %-24s %9s %10s %12s %12s\n", "", "ms", "MB/s", "x iconv", "x memcpy");
    for (const Contender& c : field)
        std::printf("  %-24s %9.2f %10.0f %11.1fx %11.2fx\n", c.name, c.best * 1e3, mb / c.best, iconvTime / c.best,
                    c.best / memcpyTime);
    std::printf("(x iconv: how many times faster than iconv; x memcpy: how many memcpy times it takes)\n");
    return 0;
}
