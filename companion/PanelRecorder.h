#pragma once
// The status panel of a program without a window: it keeps what the readers
// set, slot by slot, for the table, the JSON document and the watch.
#include "companion/ServerState.h"
#include "monitor/StatusPanel.h"

namespace lookout {

class PanelRecorder : public StatusPanel {
public:
    PanelRecorder();
    const Servers& State() const { return servers_; }

    void SetBoxColour(std::size_t slot, Rgb colour) override { servers_.at(slot).colour = colour; }
    void SetCount1(std::size_t slot, const std::string& text) override { servers_.at(slot).count1 = text; }
    void SetCount2(std::size_t slot, const std::string& text) override { servers_.at(slot).count2 = text; }
    void SetBoxHint(std::size_t slot, const std::string& text) override { servers_.at(slot).hint = text; }
    // The indicators' colours follow from the words.
    void SetPartyColour(std::size_t, Rgb) override {}
    void SetGuildColour(std::size_t, Rgb) override {}
    void SetStatusLine(std::size_t slot, const StatusLine& line) override;
    void SetPartyWords(std::size_t slot, const std::optional<std::string>& party,
                       const std::optional<std::string>& guild) override;

private:
    Servers servers_;
};

}  // namespace lookout
