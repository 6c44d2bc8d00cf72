#include "textconv/EucToSjisKernels.h"

#if defined(__x86_64__)

#include <immintrin.h>

#include "textconv/Sse2Block.h"

// Only these functions use AVX2; the rest of the program stays at the
// baseline, and the caller checks the processor first.
#define LOOKOUT_AVX2 __attribute__((target("avx2")))

namespace lookout::textconv {

namespace {

LOOKOUT_AVX2 inline __m256i Bytes32(std::uint8_t b) { return _mm256_set1_epi8(static_cast<char>(b)); }

LOOKOUT_AVX2 inline unsigned Bits32(__m256i mask) { return static_cast<unsigned>(_mm256_movemask_epi8(mask)); }

// A byte mask per bit of a 32-bit mask.
LOOKOUT_AVX2 inline __m256i ExpandBits32(unsigned bits) {
    const __m256i spread = _mm256_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1,  //
                                            2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3);
    const __m256i x = _mm256_shuffle_epi8(_mm256_set1_epi32(static_cast<int>(bits)), spread);
    const __m256i bit = _mm256_set1_epi64x(static_cast<long long>(0x8040201008040201ull));
    return _mm256_cmpeq_epi8(_mm256_and_si256(x, bit), bit);
}

// sse2::ConvertBlock over 32 lanes.
LOOKOUT_AVX2 inline __m256i ConvertBlock32(__m256i v, __m256i before, __m256i leadLanes, __m256i partnerLanes) {
    const __m256i upperRows = _mm256_cmpgt_epi8(v, Bytes32(0xDE));
    const __m256i high =
        _mm256_avg_epu8(v, _mm256_or_si256(Bytes32(0x60), _mm256_and_si256(upperRows, Bytes32(0x80))));
    const __m256i oddRow = _mm256_cmpeq_epi8(_mm256_and_si256(before, Bytes32(1)), Bytes32(1));
    const __m256i lowCell = _mm256_cmpgt_epi8(Bytes32(0xE0), v);
    const __m256i oddExtra = _mm256_and_si256(oddRow, _mm256_add_epi8(lowCell, Bytes32(0xA2)));
    const __m256i low = _mm256_add_epi8(_mm256_add_epi8(v, Bytes32(0xFE)), oddExtra);
    const __m256i kept = _mm256_andnot_si256(_mm256_or_si256(leadLanes, partnerLanes), v);
    return _mm256_or_si256(
        kept, _mm256_or_si256(_mm256_and_si256(leadLanes, high), _mm256_and_si256(partnerLanes, low)));
}

}  // namespace

bool HaveAvx2() {
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}

// Blocks of 32 without a katakana prefix go here; any other block takes the
// 16-byte step, which handles the katakana.
LOOKOUT_AVX2 std::string EucToSjisAvx2(std::string_view euc) {
    const std::size_t n = euc.size();
    std::string out(n + 1, '\0');
    sse2::Cursor c{reinterpret_cast<const std::uint8_t*>(euc.data()), reinterpret_cast<std::uint8_t*>(out.data())};
    while (c.i + 32 <= n) {
        sse2::Prefetch(c);
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(c.src + c.i));
        if (c.i == 0 || Bits32(_mm256_cmpeq_epi8(v, Bytes32(kKanaPrefix))) != 0) {
            sse2::Step(c);
            continue;
        }
        const __m256i shifted = _mm256_add_epi8(v, Bytes32(0xDF));
        const unsigned leadBytes = Bits32(_mm256_cmpgt_epi8(Bytes32(0xDE), shifted));
        const unsigned leads = sse2::LeadOffsets(leadBytes & ~c.carry);
        const unsigned partners = (leads << 1) | c.carry;
        const __m256i before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(c.src + c.i - 1));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(c.dst + c.o),
                            ConvertBlock32(v, before, ExpandBits32(leads), ExpandBits32(partners)));
        c.carry = leads >> 31;
        c.last = _mm256_extracti128_si256(v, 1);
        c.i += 32;
        c.o += 32;
    }
    while (c.i + 16 <= n) sse2::Step(c);
    sse2::Finish(out, euc, c);
    return out;
}

}  // namespace lookout::textconv

#endif
