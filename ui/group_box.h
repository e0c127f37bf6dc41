#pragma once

#include "ui/win_control.h"

namespace ui {

// A captioned etched frame around a group of controls (radio buttons in it form a group).
class GroupBox : public WinControl {
    UI_PUBLISHED(GroupBox, "TGroupBox")

public:
    explicit GroupBox(Component* owner);

protected:
    void FillCreateParams(CreateParams& params) override;
    void PaintSurface(HDC dc) override;
    void CaptionChanged() override { Invalidate(); }
};

}  // namespace ui
