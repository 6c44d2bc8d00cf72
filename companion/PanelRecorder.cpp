#include "companion/PanelRecorder.h"

namespace lookout {

PanelRecorder::PanelRecorder() {
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) servers_[slot].key = kSlots[slot].key;
}

void PanelRecorder::SetStatusLine(std::size_t slot, const StatusLine& line) {
    ServerState& server = servers_.at(slot);
    server.state = line.word;
    server.status = line.status;
    server.users = line.users;
    server.capacity = line.capacity;
    // A new status read: the colour counts only if this read paints one.
    server.colour.reset();
}

void PanelRecorder::SetPartyWords(std::size_t slot, const std::optional<std::string>& party,
                                  const std::optional<std::string>& guild) {
    ServerState& server = servers_.at(slot);
    server.party = party;
    server.guild = guild;
}

}  // namespace lookout
