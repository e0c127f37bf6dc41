#pragma once
#include <windows.h>

#include "ui/control.h"

namespace ui {

// A control without a window of its own: its parent paints it (in the parent's client
// coordinates, clipped to the control's bounds) and passes it the mouse.
class GraphicControl : public Control {
    UI_PUBLISHED(GraphicControl, "TGraphicControl")

public:
    explicit GraphicControl(Component* owner);

    virtual void Paint(HDC dc) = 0;
    void Invalidate() override;

protected:
    void BoundsChanged() override;
    void VisibilityChanged() override { Invalidate(); }
    void EnabledChanged() override { Invalidate(); }
    void CaptionChanged() override { Invalidate(); }
    void FontChanged() override { Invalidate(); }
    void ColorChanged() override { Invalidate(); }

private:
    RECT painted_{};  // the area to repaint when the control moves away
};

}  // namespace ui
