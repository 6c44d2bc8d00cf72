#include "textconv/EucToSjisKernels.h"

#if defined(__SSE2__)

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

#include "textconv/JisArithmetic.h"

namespace lookout::textconv {

namespace {

constexpr unsigned kEven = 0x5555;  // a bit per even offset of a 16-byte block

inline __m128i Bytes(std::uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }

inline unsigned Bits(__m128i mask) { return static_cast<unsigned>(_mm_movemask_epi8(mask)); }

inline __m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(std::uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Comparisons below are signed: bytes are moved so the class in question
// lies at the bottom of the signed range.
// 0xA1..0xFE, the EUC lead bytes, from v + 0xDF.
inline __m128i LeadByteLanes(__m128i shifted) { return _mm_cmpgt_epi8(Bytes(0xDE), shifted); }
// 0xA1..0xDF, the half-width katakana codes, from v + 0xDF.
inline __m128i KanaCodeLanes(__m128i shifted) { return _mm_cmpgt_epi8(Bytes(0xBF), shifted); }

// A byte mask per bit of a 16-bit block mask.
inline __m128i ExpandBits(unsigned bits) {
    __m128i x = _mm_cvtsi32_si128(static_cast<int>(bits));
    x = _mm_unpacklo_epi8(x, x);
    x = _mm_unpacklo_epi16(x, x);
    x = _mm_unpacklo_epi32(x, x);  // low byte of bits in lanes 0..7, high byte in 8..15
    const __m128i bit = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    return _mm_cmpeq_epi8(_mm_and_si128(x, bit), bit);
}

// The offsets of a block that hold the lead byte of a two-byte character,
// given the offsets of the bytes 0xA1..0xFE and the block starting at a
// character boundary: each run of such bytes pairs up from its start, and an
// odd run's last lead takes the byte after the run. Runs that start at an odd
// offset are found by adding their start bit, which carries through the run.
inline unsigned LeadOffsets(unsigned leadBytes) {
    const unsigned starts = leadBytes & ~(leadBytes << 1);
    const unsigned oddRuns = leadBytes & ~(leadBytes + (starts & ~kEven));
    return leadBytes & (kEven ^ oddRuns);
}

// The block with lead and partner lanes converted by the arithmetic of
// EucPairToSjis and every other lane kept; before holds the byte ahead of
// each lane, so that a partner sees its lead.
inline __m128i ConvertBlock(__m128i v, __m128i before, __m128i leadLanes, __m128i partnerLanes) {
    // Lead: ((lead + 1) >> 1) + 0x30 below 0xDF, + 0x70 from 0xDF, which is
    // the rounded average with 0x60 or 0xE0.
    const __m128i upperRows = _mm_cmpgt_epi8(v, Bytes(0xDE));
    const __m128i high = _mm_avg_epu8(v, _mm_or_si128(Bytes(0x60), _mm_and_si128(upperRows, Bytes(0x80))));

    // Partner: the cell is partner - 0x80; + 0x7E after an even row, after an
    // odd row + 0x1F for a cell below 0x60 (partner 0x80..0xDF), else + 0x20.
    const __m128i oddRow = _mm_cmpeq_epi8(_mm_and_si128(before, Bytes(1)), Bytes(1));
    const __m128i lowCell = _mm_cmpgt_epi8(Bytes(0xE0), v);  // the mask counts as -1
    const __m128i oddExtra = _mm_and_si128(oddRow, _mm_add_epi8(lowCell, Bytes(0xA2)));
    const __m128i low = _mm_add_epi8(_mm_add_epi8(v, Bytes(0xFE)), oddExtra);

    const __m128i kept = _mm_andnot_si128(_mm_or_si128(leadLanes, partnerLanes), v);
    return _mm_or_si128(kept, _mm_or_si128(_mm_and_si128(leadLanes, high), _mm_and_si128(partnerLanes, low)));
}

inline unsigned Ctz(unsigned bits, unsigned none) {
    return bits == 0 ? none : static_cast<unsigned>(__builtin_ctz(bits));
}

}  // namespace

std::string EucToSjisSse2(std::string_view euc) {
    const std::size_t n = euc.size();
    const auto* src = reinterpret_cast<const std::uint8_t*>(euc.data());
    // At most one byte more than the source: a lead byte at the very end.
    std::string out(n + 1, '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data());
    std::size_t i = 0;
    std::size_t o = 0;

    // ASCII and two-byte characters keep their length, so a block of them
    // converts in place, and a character may straddle two blocks: the
    // previous block's bytes and lead lanes supply its lead. Only half-width
    // katakana shrink; a block with a 0x8E in it goes the careful way.
    // Output never runs ahead of input, so a whole block always fits.
    __m128i last = _mm_setzero_si128();
    __m128i lastLeadLanes = _mm_setzero_si128();  // its top lane: src[i] is a partner
    unsigned carry = 0;                           // the same as a bit
    while (i + 16 <= n) {
        const __m128i v = Load(src + i);
        const __m128i shifted = _mm_add_epi8(v, Bytes(0xDF));
        const unsigned leadBytes = Bits(LeadByteLanes(shifted));
        const unsigned prefixes = Bits(_mm_cmpeq_epi8(v, Bytes(kKanaPrefix)));
        if (prefixes == 0) {
            const unsigned leads = LeadOffsets(leadBytes & ~carry);
            const __m128i leadLanes = ExpandBits(leads);
            const __m128i partnerLanes = _mm_or_si128(_mm_slli_si128(leadLanes, 1), _mm_srli_si128(lastLeadLanes, 15));
            const __m128i before = _mm_or_si128(_mm_slli_si128(v, 1), _mm_srli_si128(last, 15));
            Store(dst + o, ConvertBlock(v, before, leadLanes, partnerLanes));
            carry = leads >> 15;
            last = v;
            lastLeadLanes = leadLanes;
            i += 16;
            o += 16;
            continue;
        }
        if (carry) {  // start again at the straddling character's lead
            --i;
            --o;
            carry = 0;
            lastLeadLanes = _mm_setzero_si128();
            continue;
        }

        // Settle the block up to the first katakana prefix that is no partner
        // and is followed by a code (or stands last, its follower unseen),
        // and before a lead byte in the last lane.
        const unsigned leads = LeadOffsets(leadBytes);
        const unsigned partners = (leads << 1) & 0xFFFF;
        const unsigned codes = Bits(KanaCodeLanes(shifted));
        const unsigned kanaStarts = prefixes & ~partners & ((codes >> 1) | 0x8000);
        const unsigned settled = Ctz(kanaStarts | (leads & 0x8000), 16);
        if (settled > 0) {
            Store(dst + o, ConvertBlock(v, _mm_slli_si128(v, 1), ExpandBits(leads), ExpandBits(partners)));
            i += settled;
            o += settled;
            continue;
        }
        // A run of half-width katakana: keep every second byte.
        const unsigned pairs = prefixes & (codes >> 1) & kEven;
        const unsigned run = Ctz(~pairs & kEven, 16);
        const __m128i kana = _mm_srli_epi16(v, 8);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + o), _mm_packus_epi16(kana, kana));
        i += run;
        o += run / 2;
    }
    if (carry) {  // the tail takes the straddling character
        --i;
        --o;
    }
    out.resize(o);
    out += EucToSjisPlain(euc.substr(i));
    return out;
}

}  // namespace lookout::textconv

#endif
