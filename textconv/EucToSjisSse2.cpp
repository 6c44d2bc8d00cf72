#include "textconv/EucToSjisKernels.h"

#if defined(__SSE2__)

#include <emmintrin.h>
#include <xmmintrin.h>

#include <cstddef>
#include <cstdint>

#include "textconv/JisArithmetic.h"

// A block of 16 bytes that starts at a character boundary, or one byte into
// a character whose lead ended the block before (the carry), converts in
// place as long as it holds only ASCII, two-byte characters and stray bytes,
// which all keep their length. Only half-width katakana shrink; a block with
// a 0x8E in it is settled up to the first katakana, and the katakana are
// packed by the next step.

namespace lookout::textconv {

namespace {

constexpr unsigned kEven = 0x5555;  // a bit per even offset of a block

__m128i Bytes(std::uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
unsigned Bits(__m128i mask) { return static_cast<unsigned>(_mm_movemask_epi8(mask)); }
__m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store(std::uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

unsigned Ctz(unsigned bits, unsigned none) {
    return bits == 0 ? none : static_cast<unsigned>(__builtin_ctz(bits));
}

// The byte classes are tested with signed comparisons on v + 0xDF, which
// moves each class to the bottom of the signed range.
__m128i Shifted(__m128i v) { return _mm_add_epi8(v, Bytes(0xDF)); }
__m128i LeadByteLanes(__m128i shifted) { return _mm_cmpgt_epi8(Bytes(0xDE), shifted); }  // 0xA1..0xFE
__m128i KanaCodeLanes(__m128i shifted) { return _mm_cmpgt_epi8(Bytes(0xBF), shifted); }  // 0xA1..0xDF

// A byte mask per bit of a block mask.
__m128i ExpandBits(unsigned bits) {
    __m128i x = _mm_cvtsi32_si128(static_cast<int>(bits));
    x = _mm_unpacklo_epi8(x, x);
    x = _mm_unpacklo_epi16(x, x);
    x = _mm_unpacklo_epi32(x, x);  // bits 0..7 in lanes 0..7, bits 8..15 in lanes 8..15
    const __m128i bit = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    return _mm_cmpeq_epi8(_mm_and_si128(x, bit), bit);
}

// The offsets of a block that hold the lead byte of a two-byte character,
// given those of the bytes 0xA1..0xFE and a start at a character boundary:
// each run of such bytes pairs up from its start, and an odd run's last lead
// takes the byte after the run. Runs that start at an odd offset are found
// by adding their start bit, which carries through the run.
unsigned LeadOffsets(unsigned leadBytes) {
    const unsigned starts = leadBytes & ~(leadBytes << 1);
    const unsigned oddRuns = leadBytes & ~(leadBytes + (starts & ~kEven));
    return leadBytes & (kEven ^ oddRuns);
}

// The block with lead and partner lanes converted by the arithmetic of
// EucPairToSjis and every other lane kept; before holds the byte ahead of
// each lane, so that a partner sees its lead.
__m128i ConvertBlock(__m128i v, __m128i before, __m128i leadLanes, __m128i partnerLanes) {
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

// Where the loop stands: the next byte to read and to write, and whether
// src[i] is the partner of the lead byte before it (already written).
struct Cursor {
    const std::uint8_t* src;
    std::uint8_t* dst;
    std::size_t i = 0;
    std::size_t o = 0;
    unsigned carry = 0;
    __m128i last = _mm_setzero_si128();  // the block before; its top byte is that lead
};

// Long texts come from memory rather than cache; asking for the source a
// little ahead keeps the loop from waiting on it (the result was just
// cleared, so it is in cache). Only while that address stays inside the
// source: even unread, a pointer past the end of its buffer is undefined.
constexpr std::size_t kAhead = 1024;
void Prefetch(const Cursor& c) {
    _mm_prefetch(reinterpret_cast<const char*>(c.src + c.i + kAhead), _MM_HINT_T0);
}

// One step over src[i .. i + 16), which must lie inside the source. Output
// never runs ahead of input, so its whole-block stores stay inside a buffer
// as long as the source; they run past what is settled, and the next step
// writes that part again.
void Step(Cursor& c) {
    const __m128i v = Load(c.src + c.i);
    const __m128i shifted = Shifted(v);
    const unsigned prefixes = Bits(_mm_cmpeq_epi8(v, Bytes(kKanaPrefix)));
    const unsigned leads = LeadOffsets(Bits(LeadByteLanes(shifted)) & ~c.carry);
    const __m128i before = _mm_or_si128(_mm_slli_si128(v, 1), _mm_srli_si128(c.last, 15));
    // A partner follows its lead, or opens the block after a carry.
    const __m128i leadLanes = ExpandBits(leads);
    const __m128i partnerLanes =
        _mm_or_si128(_mm_slli_si128(leadLanes, 1), _mm_cvtsi32_si128(static_cast<int>(-c.carry & 0xFF)));
    if (prefixes == 0) {
        Store(c.dst + c.o, ConvertBlock(v, before, leadLanes, partnerLanes));
        c.carry = leads >> 15;
        c.last = v;
        c.i += 16;
        c.o += 16;
        return;
    }

    // Settle up to the first katakana prefix that is no partner and is
    // followed by a code (or stands last, its follower unseen), and short of
    // a lead byte in the last lane.
    const unsigned codes = Bits(KanaCodeLanes(shifted));
    const unsigned partners = ((leads << 1) | c.carry) & 0xFFFF;
    const unsigned kanaStarts = prefixes & ~partners & ((codes >> 1) | 0x8000);
    const unsigned settled = Ctz(kanaStarts | (leads & 0x8000), 16);
    c.carry = 0;
    if (settled > 0) {
        Store(c.dst + c.o, ConvertBlock(v, before, leadLanes, partnerLanes));
        c.i += settled;
        c.o += settled;
        return;
    }
    // A run of half-width katakana: keep every second byte.
    const unsigned pairs = prefixes & (codes >> 1) & kEven;
    const unsigned run = Ctz(~pairs & kEven, 16);
    const __m128i kana = _mm_srli_epi16(v, 8);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(c.dst + c.o), _mm_packus_epi16(kana, kana));
    c.i += run;
    c.o += run / 2;
}

}  // namespace

std::string EucToSjisSse2(std::string_view euc) {
    // At most one byte more than the source: a lead byte at the very end.
    std::string out(euc.size() + 1, '\0');
    Cursor c{reinterpret_cast<const std::uint8_t*>(euc.data()), reinterpret_cast<std::uint8_t*>(out.data())};
    const std::size_t prefetchEnd = euc.size() > kAhead ? euc.size() - kAhead : 0;
    while (c.i + 16 <= euc.size()) {
        if (c.i < prefetchEnd) Prefetch(c);
        Step(c);
    }
    if (c.carry) {  // the tail takes the straddling character
        --c.i;
        --c.o;
    }
    out.resize(c.o);
    out += EucToSjisPlain(euc.substr(c.i));
    return out;
}

}  // namespace lookout::textconv

#endif
