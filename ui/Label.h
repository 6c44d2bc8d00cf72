#pragma once
// TLabel: a line of text on a window, in a TFont, optionally transparent and
// sized to its text. The link label builds on it.
#include <string>

#include <FL/Fl_Box.H>

#include "toolkit/TextFont.h"

namespace lookout {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public Fl_Box {
public:
    TLabel(int left, int top, int width, int height);

    // Setters leave the label alone when the value is the one it has;
    // otherwise they store it and repaint. With AutoSize (the default) the
    // label's size follows its text.
    const std::string& Caption() const { return caption_; }  // Shift-JIS
    void SetCaption(const std::string& value);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& value);
    Fl_Color Color() const { return color(); }
    void SetColor(Fl_Color value);
    bool Transparent() const { return box() == FL_NO_BOX; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { Change(alignment_, value); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

protected:
    void draw() override;
    void Repaint();
    template <class T>
    void Change(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Repaint();
    }
    // The text colour alone, for hover effects; no size change, no comparison.
    void PaintTextIn(Fl_Color color);

private:
    void FitToText();

    std::string caption_;
    std::string captionUtf8_;
    TFont font_;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
};

}  // namespace lookout
