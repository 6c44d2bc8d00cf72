#include "textconv/EucToSjisKernels.h"

#if defined(__SSE2__)

#include <cstddef>
#include <cstdint>

#include "textconv/EucToSjisBlock.h"

// A block of 16 bytes that starts at a character boundary, or one byte into
// a character whose lead ended the block before (the carry), converts in
// place as long as it holds only ASCII, two-byte characters and stray bytes,
// which all keep their length. Only half-width katakana shrink; a block with
// a 0x8E in it is settled up to the first katakana, and the katakana are
// packed by the next step.

namespace lookout::textconv {

namespace {

using namespace block;

constexpr unsigned kEvenLanes = kEven & 0xFFFF;

unsigned Ctz(unsigned bits, unsigned none) {
    return bits == 0 ? none : static_cast<unsigned>(__builtin_ctz(bits));
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

// One step over src[i .. i + 16), which must lie inside the source. Output
// never runs ahead of input, so its whole-block stores stay inside a buffer
// as long as the source; they run past what is settled, and the next step
// writes that part again.
void Step(Cursor& c) {
    const __m128i v = Load(c.src + c.i);
    const __m128i shifted = Shifted(v);
    const unsigned prefixes = Bits(_mm_cmpeq_epi8(v, Bytes(kKanaPrefix)));
    const unsigned leads = PairStarts(Bits(LeadByteLanes(shifted)) & ~c.carry);
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
    const unsigned pairs = prefixes & (codes >> 1) & kEvenLanes;
    const unsigned run = Ctz(~pairs & kEvenLanes, 16);
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
    const std::size_t prefetchEnd = PrefetchEnd(euc.size());
    while (c.i + 16 <= euc.size()) {
        if (c.i < prefetchEnd) Prefetch(c.src + c.i);
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
