#pragma once
// The status panel drawn with FLTK widgets: for each slot a framed box that
// carries the hint, three transparent labels over it, and for game slots two
// indicators over the labels.
#include <FL/Fl_Widget.H>

#include <array>
#include <string>

#include "monitor/SlotTable.h"
#include "monitor/StatusPanel.h"
#include "toolkit/TextLine.h"
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
// The labels and indicators drawn over the box hand it their pointer events:
// resting or moving anywhere over them and the box is one visit.
class BoxShape : public ShapeWidget {
public:
    BoxShape(int x, int y, std::string name, HintController& hints);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& text) { hint_ = text; }
    int handle(int event) override { return HandlePointer(event); }
    // Pointer events of the box and of the widgets over it.
    int HandlePointer(int event);

private:
    HintController& hints_;
    std::string hint_;
};

// Transparent, left-aligned text that grows to the right with its text; what
// lies outside its box is not drawn. A count label's text is fitted into the
// room its box leaves it (FitText), so that a count never reads as another
// number; captions are fixed and drawn as they are.
class SlotLabel : public TLabel {
public:
    enum Kind { kCaption, kCount };
    SlotLabel(int x, int y, std::string name, const std::string& sjisText, BoxShape& box, Kind kind);
    const std::string& Name() const { return name_; }
    const std::string& Text() const { return Caption(); }  // Shift-JIS
    void SetText(const std::string& sjisText);
    // What is drawn: the text (UTF-8) and its font.
    const FittedText& Shown() const { return shown_; }
    BoxShape& Box() const { return box_; }
    int handle(int event) override { return box_.HandlePointer(event); }

protected:
    void draw() override;

private:
    std::string name_;
    BoxShape& box_;
    Kind kind_;
    FittedText shown_;
};

// A game slot's party or guild indicator.
class Indicator : public ShapeWidget {
public:
    Indicator(int x, int y, std::string name, BoxShape& box);
    BoxShape& Box() const { return box_; }
    int handle(int event) override { return box_.HandlePointer(event); }

private:
    BoxShape& box_;
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
