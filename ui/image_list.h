#pragma once
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/component.h"
#include "ui/signal.h"

namespace ui {

// Images of one size for menus, toolbars and wizard headers. Its stored form ("Bitmap") is
// a .bmp file holding the images side by side; 32-bit bitmaps keep their alpha channel,
// others are masked by the colour of their bottom-left pixel.
class ImageList : public Component {
    UI_PUBLISHED(ImageList, "TImageList")

public:
    explicit ImageList(Component* owner);
    ~ImageList() override;

    int Width() const { return width_; }
    void SetWidth(int w);
    int Height() const { return height_; }
    void SetHeight(int h);
    std::vector<std::uint8_t> BitmapData() const { return data_; }
    void SetBitmapData(const std::vector<std::uint8_t>& data);
    // Takes the images from a bitmap resource of the current resource source instead of the
    // description itself; an unknown name leaves the list empty.
    std::wstring ResourceName() const { return resourceName_; }
    void SetResourceName(const std::wstring& name);

    int Count() const;
    HIMAGELIST Handle();
    void Draw(HDC dc, int index, int x, int y, bool enabled = true);

    // Users (menus, toolbars) refresh themselves when the images change, and drop their
    // reference when the list is freed (freed = true).
    [[nodiscard]] Connection AddChangeListener(std::function<void(bool freed)> listener) {
        return changed_.Connect(std::move(listener));
    }

private:
    void Rebuild();

    int width_ = 16;
    int height_ = 16;
    std::vector<std::uint8_t> data_;
    std::wstring resourceName_;
    HIMAGELIST handle_ = nullptr;
    Signal<bool> changed_;
};

}  // namespace ui
