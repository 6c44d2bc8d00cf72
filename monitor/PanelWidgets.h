#pragma once
// The status panel drawn with FLTK widgets: for each slot a framed box that
// carries the hint, three transparent labels over it, and for game slots two
// indicators over the labels.
#include <FL/Fl_Widget.H>

#include <array>
#include <string>

#include "monitor/SlotTable.h"
#include "monitor/StatusPanel.h"
#include "ui/Label.h"

namespace lookout {

class HintController;

// A rectangle filled with its colour inside a 1-pixel black frame.
class ShapeWidget : public Fl_Widget {
public:
    ShapeWidget(int x, int y, int w, int h, std::string name);
    const std::string& Name() const { return name_; }
    Rgb Colour() const { return colour_; }
    void SetColour(Rgb colour);

protected:
    void draw() override;

private:
    std::string name_;
    Rgb colour_ = kWhite;
};

// A server's box: a shape that shows its hint while the pointer rests on it.
class BoxShape : public ShapeWidget {
public:
    BoxShape(int x, int y, std::string name, HintController& hints);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& text) { hint_ = text; }
    int handle(int event) override;

private:
    HintController& hints_;
    std::string hint_;
};

// Transparent, left-aligned text that grows to the right with its text.
class SlotLabel : public TLabel {
public:
    SlotLabel(int x, int y, std::string name, const std::string& sjisText);
    const std::string& Name() const { return name_; }
    const std::string& Text() const { return Caption(); }  // Shift-JIS
    void SetText(const std::string& sjisText);
    // The pointer passes through to the box below, which carries the hint.
    int handle(int) override { return 0; }

private:
    std::string name_;
};

struct SlotWidgets {
    BoxShape* box = nullptr;
    SlotLabel* caption = nullptr;
    SlotLabel* count1 = nullptr;
    SlotLabel* count2 = nullptr;
    ShapeWidget* party = nullptr;  // game slots only
    ShapeWidget* guild = nullptr;
};

class PanelWidgets : public StatusPanel {
public:
    // Adds the widgets to the group being built (between begin() and end()).
    explicit PanelWidgets(HintController& hints);

    const SlotWidgets& Slot(std::size_t slot) const { return slots_.at(slot); }

    void SetBoxColour(std::size_t slot, Rgb colour) override;
    void SetCount1(std::size_t slot, const std::string& text) override;
    void SetCount2(std::size_t slot, const std::string& text) override;
    void SetBoxHint(std::size_t slot, const std::string& text) override;
    void SetPartyColour(std::size_t slot, Rgb colour) override;
    void SetGuildColour(std::size_t slot, Rgb colour) override;

private:
    std::array<SlotWidgets, kSlotCount> slots_;
};

}  // namespace lookout
