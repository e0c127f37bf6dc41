#include "ui/graphic_control.h"

#include "ui/property.h"
#include "ui/win_control.h"

namespace ui {

const PropertyTable& GraphicControl::ClassProperties() {
    static const PropertyTable table(&Control::ClassProperties(), {});
    return table;
}

GraphicControl::GraphicControl(Component* owner) : Control(owner) { SetParentColor(true); }

void GraphicControl::Invalidate() {
    if (!Parent() || !Parent()->HandleAllocated()) return;
    RECT r = BoundsRect();
    InvalidateRect(Parent()->Handle(), &r, TRUE);
}

void GraphicControl::BoundsChanged() {
    if (Parent() && Parent()->HandleAllocated()) InvalidateRect(Parent()->Handle(), &painted_, TRUE);
    painted_ = BoundsRect();
    Invalidate();
}

}  // namespace ui
