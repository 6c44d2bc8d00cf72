#include "monitor/PageReaders.h"
#include "monitor/PageText.h"
#include "monitor/SlotTable.h"
#include "platform/StringList.h"

namespace lookout {

namespace {
// The rest of an entry ends with this many bytes that are not shown.
constexpr std::size_t kHiddenTail = 4;
}  // namespace

void ReadAddressPage(std::string_view sjisText, StatusPanel& panel) {
    StringList lines(sjisText);
    lines.Delete(0);  // a heading, never an entry
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        const std::string* line = FindKeyLine(lines.Lines(), kSlots[slot].key);
        if (!line) continue;
        std::string rest = *line;
        CutField(rest, ' ');
        const std::string address = CutField(rest, ' ');
        const std::string port = CutField(rest, ' ');
        CutField(rest, ' ');
        if (rest.size() >= kHiddenTail) rest.erase(rest.size() - kHiddenTail);
        rest = ReplaceText(std::move(rest), "&nbsp;", " ");
        rest = ReplaceText(std::move(rest), "<br>", "\n");
        panel.SetBoxHint(slot, address + ":" + port + "\n" + rest);
    }
}

}  // namespace lookout
