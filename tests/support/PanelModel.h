#pragma once
// The status panel as plain values, a test double: what the readers are
// tested, fuzzed and measured against, with the window's initial state.
#include <array>
#include <stdexcept>

#include "monitor/SlotTable.h"
#include "monitor/StatusPanel.h"

namespace lookout {

struct SlotState {
    Rgb box = kWhite;
    std::string count1 = "0/0";
    std::string count2 = "0";
    std::string hint;
    Rgb party = kWhite;
    Rgb guild = kWhite;
    friend bool operator==(const SlotState&, const SlotState&) = default;
};

class PanelModel : public StatusPanel {
public:
    std::array<SlotState, kSlotCount> slots;

    void SetBoxColour(std::size_t slot, Rgb colour) override { slots.at(slot).box = colour; }
    void SetCount1(std::size_t slot, const std::string& text) override { slots.at(slot).count1 = text; }
    void SetCount2(std::size_t slot, const std::string& text) override { slots.at(slot).count2 = text; }
    void SetBoxHint(std::size_t slot, const std::string& text) override { slots.at(slot).hint = text; }
    void SetPartyColour(std::size_t slot, Rgb colour) override { GameSlot(slot).party = colour; }
    void SetGuildColour(std::size_t slot, Rgb colour) override { GameSlot(slot).guild = colour; }

private:
    SlotState& GameSlot(std::size_t slot) {
        SlotState& state = slots.at(slot);
        if (!kSlots[slot].game) throw std::out_of_range("not a game slot");
        return state;
    }
};

}  // namespace lookout
