#include "ui/image.h"

#include "ui/property.h"

namespace ui {

const PropertyTable& Image::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &GraphicControl::ClassProperties(),
        {
            Object("Picture", &Image::GetPicture),
            Boolean("Stretch", &Image::Stretch, &Image::SetStretch),
            Boolean("Center", &Image::Center, &Image::SetCenter),
            Boolean("Transparent", &Image::Transparent, &Image::SetTransparent),
        }
    );
    return table;
}

Image::Image(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    picture_.onChange = [this] { Invalidate(); };
}

void Image::SetStretch(bool v) {
    stretch_ = v;
    Invalidate();
}

void Image::SetCenter(bool v) {
    center_ = v;
    Invalidate();
}

void Image::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void Image::Paint(HDC dc) {
    if (picture_.Empty()) return;
    RECT r = BoundsRect();
    if (!stretch_) {
        int w = picture_.Width(), h = picture_.Height();
        int x = r.left, y = r.top;
        if (center_) {
            x += (r.right - r.left - w) / 2;
            y += (r.bottom - r.top - h) / 2;
        }
        r = {x, y, x + w, y + h};
    }
    picture_.Draw(dc, r, transparent_);
}

}  // namespace ui
