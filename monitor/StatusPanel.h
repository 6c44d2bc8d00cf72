#pragma once
// What the page readers may change on the status panel, slot by slot (slots
// numbered in table order, 0 to 25). The window's widgets implement it; the
// tests and fuzzers use a plain model.
#include <cstddef>
#include <optional>
#include <string>

#include "monitor/ServerStatus.h"
#include "platform/Rgb.h"

namespace lookout {

// The panel's colours: white for a slot the page does not name, the pale
// state colours the page readers map their words to.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kGreen{207, 255, 207};
inline constexpr Rgb kYellow{255, 255, 207};
inline constexpr Rgb kRed{255, 207, 207};
inline constexpr Rgb kBlue{207, 223, 255};

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

    // The state and fields behind the colours, for a panel that reports
    // rather than paints; the window has no use for them. Called once a slot
    // and read, before that slot's other changes.
    virtual void SetStatusLine(std::size_t /*slot*/, const StatusLine& /*line*/) {}
    // The party page's words, nullopt for no line. Game slots only.
    virtual void SetPartyWords(std::size_t /*slot*/, const std::optional<std::string>& /*party*/,
                               const std::optional<std::string>& /*guild*/) {}
};

}  // namespace lookout
