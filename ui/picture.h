#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "ui/persistent.h"

namespace ui {

// A bitmap or an icon. Its stored form ("Data") is the graphic's class name as a
// length-prefixed string ("TBitmap" or "TIcon") followed, for a bitmap, by a 32-bit size
// and a .bmp file, for an icon by an .ico file. Bad data leaves the picture empty.
class Picture : public Persistent {
    UI_PUBLISHED(Picture, "TPicture")

public:
    Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    std::vector<std::uint8_t> Data() const { return data_; }
    void SetData(const std::vector<std::uint8_t>& data);
    // Takes the graphic from a bitmap resource (of the language module or the program) instead of the
    // description itself, so large pictures are drawn once at build time; an unknown name
    // leaves the picture empty.
    std::wstring ResourceName() const { return resourceName_; }
    void SetResourceName(const std::wstring& name);
    void Clear();
    // A bitmap made at run time; it has no stored form.
    void SetBitmap(platform::BitmapHandle bitmap);

    bool Empty() const { return !bitmap_ && !icon_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    HICON Icon() const { return icon_.Get(); }
    // Draws the graphic into `rect` (stretched when it differs from the natural size); a
    // transparent bitmap leaves out the colour of its bottom-left pixel.
    void Draw(HDC dc, const RECT& rect, bool transparent) const;

    std::function<void()> onChange;  // the owning control repaints

private:
    bool LoadBitmapFile(std::span<const std::uint8_t> file);
    bool LoadIconFile(std::span<const std::uint8_t> file);
    void BlitBitmap(HDC dc, const RECT& rect, HDC memory, bool transparent) const;

    std::vector<std::uint8_t> data_;
    std::wstring resourceName_;
    platform::BitmapHandle bitmap_;
    platform::IconHandle icon_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace ui
