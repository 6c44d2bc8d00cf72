#include "textconv/EucToSjisKernels.h"

#if defined(__SSE2__)

#include <tmmintrin.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "textconv/EucToSjisBlock.h"

// Every block of 16 bytes converts in one step: the two-byte characters in
// place, and the prefixes of half-width katakana, the only bytes that are
// dropped, squeezed out with a byte shuffle. Every block goes through the
// shuffle, kana or not: blocks with kana are scattered through a page, and
// a branch on them costs more in mispredictions than the shuffle of the
// others. Where characters start is worked out for four blocks at once, as
// bit masks of 64 bytes, so that the one thing carried from chunk to chunk
// (is the first byte taken by the character before?) costs little.

namespace lookout::textconv {

namespace {

using namespace block;

constexpr std::size_t kChunk = 64;

// For each set of dropped lanes among eight, the kept lanes in order, of
// the low half of a block (first) and of the high half.
using KeptLanes = std::array<std::array<std::uint8_t, 8>, 256>;
constexpr KeptLanes KeptLanesFrom(std::uint8_t first) {
    KeptLanes table{};
    for (unsigned dropped = 0; dropped < 256; ++dropped) {
        unsigned k = 0;
        for (std::uint8_t lane = 0; lane < 8; ++lane)
            if (!(dropped >> lane & 1)) table[dropped][k++] = static_cast<std::uint8_t>(first + lane);
    }
    return table;
}
constexpr KeptLanes kKeptLow = KeptLanesFrom(0);
constexpr KeptLanes kKeptHigh = KeptLanesFrom(8);

#define LOOKOUT_SSSE3 __attribute__((target("ssse3,popcnt")))

LOOKOUT_SSSE3 inline __m128i LoadLow(const std::uint8_t* p) {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
}

// The lanes of block k (0..3) of a chunk whose bit is set in the 64-bit mask
// held in the low half of bits.
LOOKOUT_SSSE3 inline __m128i Lanes(__m128i bits, int k) {
    const __m128i spread = _mm_shuffle_epi8(bits, _mm_add_epi8(_mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1),
                                                               Bytes(static_cast<std::uint8_t>(2 * k))));
    const __m128i bit = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    return _mm_cmpeq_epi8(_mm_and_si128(spread, bit), bit);
}

// Writes the block without the lanes set in dropped; returns how many
// bytes it wrote.
LOOKOUT_SSSE3 inline unsigned StoreKept(std::uint8_t* dst, __m128i sjis, unsigned dropped) {
    const __m128i order = _mm_unpacklo_epi64(LoadLow(kKeptLow[dropped & 0xFF].data()), LoadLow(kKeptHigh[dropped >> 8].data()));
    const __m128i packed = _mm_shuffle_epi8(sjis, order);
    const unsigned lowKept = 8 - static_cast<unsigned>(__builtin_popcount(dropped & 0xFF));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), packed);
    // The high half through an unaligned 64-bit store (movhpd's double* may
    // not point at an odd address).
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + lowKept), _mm_unpackhi_epi64(packed, packed));
    return 16 - static_cast<unsigned>(__builtin_popcount(dropped));
}

}  // namespace

bool Ssse3Usable() {
    static const bool usable = __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
    return usable;
}

LOOKOUT_SSSE3 std::string EucToSjisSsse3(std::string_view euc) {
    // At most one byte more than the source: a lead byte at the very end.
    std::string out(euc.size() + 1, '\0');
    const auto* src = reinterpret_cast<const std::uint8_t*>(euc.data());
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    const std::size_t n = euc.size();
    const std::size_t prefetchEnd = PrefetchEnd(n);
    std::size_t i = 0;
    std::size_t o = 0;
    // 1 when src[i] belongs to a character opened in the chunk before, and
    // when that character is a two-byte one, src[i] its partner.
    std::uint64_t held = 0;
    std::uint64_t partnerHeld = 0;
    __m128i last = _mm_setzero_si128();       // the block before
    __m128i lastLeads = _mm_setzero_si128();  // and its lead lanes
    // Reads reach src[i + kChunk], one past the chunk. Output never runs
    // ahead of input, so the stores, which may run past what is settled,
    // stay inside a buffer as long as the source.
    while (i + kChunk < n) {
        if (i < prefetchEnd) Prefetch(src + i);
        __m128i v[4];
        std::uint64_t leadBytes = 0;
        std::uint64_t openers = 0;
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            v[k] = Load(src + i + 16 * k);
            const __m128i leadLanes = LeadByteLanes(Shifted(v[k]));
            const __m128i kanaLanes = _mm_and_si128(_mm_cmpeq_epi8(v[k], Bytes(kKanaPrefix)),
                                                    KanaCodeLanes(Shifted(Load(src + i + 16 * k + 1))));
            leadBytes |= std::uint64_t{Bits(leadLanes)} << 16 * k;
            openers |= std::uint64_t{Bits(_mm_or_si128(leadLanes, kanaLanes))} << 16 * k;
        }
        const std::uint64_t starts = PairStarts(openers & ~held);
        const std::uint64_t kana = starts & ~leadBytes;
        const __m128i leads = _mm_set_epi64x(0, static_cast<long long>(starts & leadBytes));
        held = starts >> 63;
        partnerHeld = held & ~(kana >> 63);
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            const __m128i leadLanes = Lanes(leads, k);
            const __m128i sjis = ConvertBlock(v[k], _mm_alignr_epi8(v[k], last, 15), leadLanes,
                                              _mm_alignr_epi8(leadLanes, lastLeads, 15));
            const unsigned dropped = static_cast<unsigned>(kana >> 16 * k) & 0xFFFF;
            o += StoreKept(dst + o, sjis, dropped);
            last = v[k];
            lastLeads = leadLanes;
        }
        i += kChunk;
    }
    // The tail takes the straddling character again: a lead byte was
    // written already, a katakana prefix was dropped.
    i -= held;
    o -= partnerHeld;
    out.resize(o);
    out += EucToSjisPlain(euc.substr(i));
    return out;
}

}  // namespace lookout::textconv

#endif
