#pragma once
// The conversion loops behind TPzConv::EucToSjis. They all give the same
// bytes; the plain one is the reference the faster ones are checked against.
#include <string>
#include <string_view>

namespace lookout::textconv {

// One byte class decision at a time, appending each converted piece.
std::string EucToSjisPlain(std::string_view euc);

#if defined(__SSE2__)
// Sixteen bytes at a time through ASCII and two-byte characters, packing
// runs of half-width katakana.
std::string EucToSjisSse2(std::string_view euc);
// Every block in one step, the katakana prefixes squeezed out by a byte
// shuffle; only where Ssse3Usable() says the processor has what it needs.
std::string EucToSjisSsse3(std::string_view euc);
bool Ssse3Usable();
#endif

// The fastest loop this target has.
inline std::string EucToSjisFast(std::string_view euc) {
#if defined(__SSE2__)
    return Ssse3Usable() ? EucToSjisSsse3(euc) : EucToSjisSse2(euc);
#else
    return EucToSjisPlain(euc);
#endif
}

}  // namespace lookout::textconv
