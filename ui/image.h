#pragma once

#include "ui/graphic_control.h"
#include "ui/picture.h"

namespace ui {

// A picture (bitmap or icon) drawn on its parent, at its natural size, centred or stretched.
class Image : public GraphicControl {
    UI_PUBLISHED(Image, "TImage")

public:
    explicit Image(Component* owner);

    Picture& GetPicture() { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

    void Paint(HDC dc) override;

private:
    Picture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

}  // namespace ui
