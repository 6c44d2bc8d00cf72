#pragma once
// What the page readers may change on the status panel, slot by slot (slots
// numbered in table order, 0 to 25). The window's widgets implement it; the
// tests and fuzzers use a plain model.
#include <cstddef>
#include <string>

#include "platform/Rgb.h"

namespace lookout {

inline constexpr Rgb kWhite{255, 255, 255};

class StatusPanel {
public:
    virtual ~StatusPanel() = default;
    virtual void SetBoxColour(std::size_t slot, Rgb colour) = 0;
    virtual void SetCount1(std::size_t slot, const std::string& text) = 0;
    virtual void SetCount2(std::size_t slot, const std::string& text) = 0;
    virtual void SetBoxHint(std::size_t slot, const std::string& text) = 0;
    // Game slots only.
    virtual void SetPartyColour(std::size_t slot, Rgb colour) = 0;
    virtual void SetGuildColour(std::size_t slot, Rgb colour) = 0;
};

}  // namespace lookout
