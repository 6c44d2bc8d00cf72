#pragma once
// Hostile variants of a page, made from the normal one, for the fault modes
// that keep the HTTP framing intact and spoil only the body.
#include <cstddef>
#include <string>
#include <string_view>

namespace lookout::demo {

// The page grown to `lines` lines (CR LF each) by filler lines that name no
// server, put in front of the page's own lines so a reader has to search past
// them; the first `keep` lines (a heading) stay first.
std::string PadToLines(std::string_view page, std::size_t lines, std::size_t keep);

// NUL bytes put into the page: one after every `every` bytes.
std::string SprinkleNuls(std::string_view page, std::size_t every = 61);

// The page with invalid EUC-JP in every line, a different kind each line: a
// lead byte swallowing the line break, a kana prefix before ASCII, 0xFF, a
// three-byte prefix, a lead byte before ASCII. The page ends in a lone lead
// byte.
std::string BreakEuc(std::string_view page);

}  // namespace lookout::demo
