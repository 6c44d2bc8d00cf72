#include <optional>

#include "monitor/PageReaders.h"
#include "monitor/PageText.h"
#include "monitor/SlotTable.h"
#include "platform/StringList.h"

namespace lookout {

namespace {

std::optional<Rgb> ServiceColour(const std::string& word) {
    if (word == "good") return kGreen;
    if (word == "slow") return kYellow;
    if (word == "dead") return kRed;
    return std::nullopt;
}

}  // namespace

void ReadPartyPage(std::string_view body, StatusPanel& panel) {
    const std::vector<std::string> lines = SplitLines(body);
    for (std::size_t slot = kFirstGameSlot; slot < kSlotCount; ++slot) {
        const std::string* line = FindKeyLine(lines, kSlots[slot].key);
        if (!line) {
            panel.SetPartyWords(slot, std::nullopt, std::nullopt);
            panel.SetPartyColour(slot, kWhite);
            panel.SetGuildColour(slot, kWhite);
            continue;
        }
        std::string rest = *line;
        SkipField(rest, ',');
        SkipField(rest, ',');
        const std::string party = CutField(rest, ',');
        SkipField(rest, ',');
        const std::string guild = CutField(rest, ',');
        panel.SetPartyWords(slot, party, guild);
        if (const auto colour = ServiceColour(party)) panel.SetPartyColour(slot, *colour);
        if (const auto colour = ServiceColour(guild)) panel.SetGuildColour(slot, *colour);
    }
}

}  // namespace lookout
