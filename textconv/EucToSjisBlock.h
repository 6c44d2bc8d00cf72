#pragma once
// The sixteen-byte block arithmetic the vector loops share: byte classes,
// where characters start, and the two-byte conversion, all on SSE2.
#include <emmintrin.h>
#include <xmmintrin.h>

#include <cstddef>
#include <cstdint>

#include "textconv/JisArithmetic.h"

namespace lookout::textconv::block {

// A bit per even offset, for masks of one block or more.
constexpr std::uint64_t kEven = 0x5555'5555'5555'5555;

inline __m128i Bytes(std::uint8_t b) { return _mm_set1_epi8(static_cast<char>(b)); }
inline unsigned Bits(__m128i mask) { return static_cast<unsigned>(_mm_movemask_epi8(mask)); }
inline __m128i Load(const std::uint8_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store(std::uint8_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Long texts come from memory rather than cache; asking for the source a
// little ahead keeps the loops from waiting on it (the result was just
// cleared, so it is in cache). Only while that address stays inside the
// source, below PrefetchEnd: even unread, a pointer past the end of its
// buffer is undefined.
constexpr std::size_t kAhead = 1024;
inline std::size_t PrefetchEnd(std::size_t size) { return size > kAhead ? size - kAhead : 0; }
inline void Prefetch(const std::uint8_t* p) { _mm_prefetch(reinterpret_cast<const char*>(p + kAhead), _MM_HINT_T0); }

// The byte classes are tested with signed comparisons on v + 0xDF, which
// moves each class to the bottom of the signed range.
inline __m128i Shifted(__m128i v) { return _mm_add_epi8(v, Bytes(0xDF)); }
inline __m128i LeadByteLanes(__m128i shifted) { return _mm_cmpgt_epi8(Bytes(0xDE), shifted); }  // 0xA1..0xFE
inline __m128i KanaCodeLanes(__m128i shifted) { return _mm_cmpgt_epi8(Bytes(0xBF), shifted); }  // 0xA1..0xDF

// A byte mask per bit of a block mask.
inline __m128i ExpandBits(unsigned bits) {
    __m128i x = _mm_cvtsi32_si128(static_cast<int>(bits));
    x = _mm_unpacklo_epi8(x, x);
    x = _mm_unpacklo_epi16(x, x);
    x = _mm_unpacklo_epi32(x, x);  // bits 0..7 in lanes 0..7, bits 8..15 in lanes 8..15
    const __m128i bit = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    return _mm_cmpeq_epi8(_mm_and_si128(x, bit), bit);
}

// The offsets of a block where a two-byte unit starts, given those of the
// bytes that open one when they stand at a character boundary, and a start
// at a boundary: each run of such bytes pairs up from its start, and an odd
// run's last opener takes the byte after the run. Runs that start at an odd
// offset are found by adding their start bit, which carries through the run.
template <typename Mask>
inline Mask PairStarts(Mask openers) {
    const Mask even = static_cast<Mask>(kEven);
    const Mask starts = openers & ~(openers << 1);
    const Mask oddRuns = openers & ~(openers + (starts & ~even));
    return openers & (even ^ oddRuns);
}

// The block with lead and partner lanes converted by the arithmetic of
// EucPairToSjis and every other lane kept; before holds the byte ahead of
// each lane, so that a partner sees its lead.
inline __m128i ConvertBlock(__m128i v, __m128i before, __m128i leadLanes, __m128i partnerLanes) {
    // Lead: ((lead + 1) >> 1) + 0x30 below 0xDF, + 0x70 from 0xDF, which is
    // the rounded average with 0x60 or 0xE0. Every other lane averages with
    // itself and stays.
    const __m128i upperRows = _mm_cmpgt_epi8(v, Bytes(0xDE));
    const __m128i rowBase = _mm_or_si128(Bytes(0x60), _mm_and_si128(upperRows, Bytes(0x80)));
    const __m128i averaged = _mm_avg_epu8(v, _mm_xor_si128(v, _mm_and_si128(leadLanes, _mm_xor_si128(v, rowBase))));

    // Partner: the cell is partner - 0x80; + 0x7E after an even row, that is
    // partner - 2, and after an odd row 0x5F less for a cell below 0x60
    // (partner 0x80..0xDF), else 0x5E less.
    const __m128i oddRow = _mm_cmpeq_epi8(_mm_and_si128(before, Bytes(1)), Bytes(1));
    const __m128i lowCell = _mm_cmpgt_epi8(Bytes(0xE0), v);  // the mask counts as -1
    const __m128i oddLess = _mm_and_si128(oddRow, _mm_sub_epi8(Bytes(0x5E), lowCell));
    return _mm_add_epi8(averaged, _mm_and_si128(partnerLanes, _mm_sub_epi8(Bytes(0xFE), oddLess)));
}

}  // namespace lookout::textconv::block
