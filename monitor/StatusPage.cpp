#include <optional>

#include "monitor/PageReaders.h"
#include "monitor/PageText.h"
#include "monitor/SlotTable.h"
#include "platform/StringList.h"

namespace lookout {

namespace {

std::optional<Rgb> StatusColour(ServerStatus status) {
    switch (status) {
        case ServerStatus::Good: return kGreen;
        case ServerStatus::Closed: return kBlue;
        case ServerStatus::Dead: return kYellow;
        case ServerStatus::Down: return kRed;
        case ServerStatus::Missing: return kWhite;
        case ServerStatus::Other: break;
    }
    return std::nullopt;
}

}  // namespace

void ReadStatusPage(std::string_view body, StatusPanel& panel) {
    const std::vector<std::string> lines = SplitLines(body);
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::string* line = FindKeyLine(lines, kSlots[slot].key);
        if (!line) {
            panel.SetStatusLine(slot, StatusLine{});
            panel.SetBoxColour(slot, *StatusColour(ServerStatus::Missing));
            panel.SetCount1(slot, "error");
            panel.SetCount2(slot, "0");
            continue;
        }
        std::string rest = *line;
        SkipField(rest, ',');
        StatusLine read;
        read.word = CutField(rest, ',');
        read.status = StatusOfWord(*read.word);
        read.users = CutField(rest, ',');
        read.capacity = CutField(rest, ',');
        panel.SetStatusLine(slot, read);
        panel.SetCount1(slot, read.users + "/" + read.capacity);
        panel.SetCount2(slot, rest);
        if (const auto colour = StatusColour(read.status)) panel.SetBoxColour(slot, *colour);
    }
}

}  // namespace lookout
