#include <optional>

#include "monitor/PageReaders.h"
#include "monitor/PageText.h"
#include "monitor/SlotTable.h"
#include "platform/StringList.h"

namespace lookout {

namespace {

std::optional<Rgb> StatusColour(const std::string& word) {
    if (word == "Good") return kGreen;
    if (word == "Closed") return kBlue;
    if (word == "Dead") return kYellow;
    if (word == "Down") return kRed;
    return std::nullopt;
}

}  // namespace

void ReadStatusPage(std::string_view body, StatusPanel& panel) {
    const std::vector<std::string> lines = SplitLines(body);
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::string* line = FindKeyLine(lines, kSlots[slot].key);
        if (!line) {
            panel.SetStatusWord(slot, std::nullopt);
            panel.SetBoxColour(slot, kWhite);
            panel.SetCount1(slot, "error");
            panel.SetCount2(slot, "0");
            continue;
        }
        std::string rest = *line;
        SkipField(rest, ',');
        const std::string status = CutField(rest, ',');
        const std::string first = CutField(rest, ',');
        const std::string second = CutField(rest, ',');
        panel.SetStatusWord(slot, status);
        panel.SetCount1(slot, first + "/" + second);
        panel.SetCount2(slot, rest);
        if (const auto colour = StatusColour(status)) panel.SetBoxColour(slot, *colour);
    }
}

}  // namespace lookout
