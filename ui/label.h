#pragma once

#include "ui/graphic_control.h"

namespace ui {

class WinControl;

enum class TextAlignment { Left, Right, Center };
enum class TextLayout { Top, Center, Bottom };

// A caption drawn on its parent: alignment, word wrap, font colour and style, mouse events
// and a cursor of its own (clickable captions).
class Label : public GraphicControl {
    UI_PUBLISHED(Label, "TLabel")

public:
    explicit Label(Component* owner);

    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment a);
    TextLayout Layout() const { return layout_; }
    void SetLayout(TextLayout l);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v);
    // The control that Alt plus the caption's underlined letter focuses.
    WinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(WinControl* control) { focusControl_ = control; }
    // Whether `key` is the caption's underlined letter (the one after a single "&").
    bool IsMnemonic(wchar_t key) const;

    void Paint(HDC dc) override;

protected:
    void Loaded() override { AdjustSize(); }
    void CaptionChanged() override;
    void FontChanged() override;

private:
    UINT DrawFlags() const;
    void AdjustSize();

    TextAlignment alignment_ = TextAlignment::Left;
    TextLayout layout_ = TextLayout::Top;
    bool wordWrap_ = false;
    bool autoSize_ = true;
    bool transparent_ = false;
    bool showAccelChar_ = true;
    WinControl* focusControl_ = nullptr;  // not owned
};

}  // namespace ui
