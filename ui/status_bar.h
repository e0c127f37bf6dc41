#pragma once

#include "ui/collection.h"
#include "ui/label.h"
#include "ui/win_control.h"

namespace ui {

enum class PanelStyle { Text, OwnerDraw };

// One part of a status bar: its width in pixels and its text, or drawn by the owner.
class StatusPanel : public CollectionItem {
    UI_PUBLISHED(StatusPanel, "TStatusPanel")

public:
    int Width() const { return width_; }
    void SetWidth(int w);
    std::wstring Text() const { return text_; }
    void SetText(const std::wstring& t);
    PanelStyle Style() const { return style_; }
    void SetStyle(PanelStyle s);
    TextAlignment Alignment() const { return alignment_; }
    void SetAlignment(TextAlignment a);

private:
    int width_ = 50;
    std::wstring text_;
    PanelStyle style_ = PanelStyle::Text;
    TextAlignment alignment_ = TextAlignment::Left;
};

// The platform's status bar, at the bottom of its form, with a collection of panels; an
// owner-drawn panel is painted by OnDrawPanel.
class StatusBar : public WinControl {
    UI_PUBLISHED(StatusBar, "TStatusBar")

public:
    explicit StatusBar(Component* owner);

    OwnedCollection<StatusPanel>& Panels() { return panels_; }
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool v);
    // Repaints one panel (an owner-drawn panel whose data changed).
    void InvalidatePanel(int index);

    Event<DrawPanelArgs> OnDrawPanel;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override { UpdateParts(); }
    void Resized() override { UpdateParts(); }
    bool DrawItemReflected(DRAWITEMSTRUCT& item) override;

private:
    void UpdateParts();

    OwnedCollection<StatusPanel> panels_;
    bool sizeGrip_ = true;
};

}  // namespace ui
