#include "ui/picture.h"

#include <utility>

#include "core/images/bitmap_file.h"
#include "core/images/icon_file.h"
#include "core/images/stored_picture.h"
#include "platform/resource_source.h"
#include "platform/system_library.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& Picture::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        nullptr,
        {
            Binary("Data", &Picture::Data, &Picture::SetData),
            Text("ResourceName", &Picture::ResourceName, &Picture::SetResourceName),
        }
    );
    return table;
}

Picture::Picture() = default;

void Picture::Clear() {
    bitmap_.Reset();
    icon_.Reset();
    width_ = height_ = 0;
    data_.clear();
    resourceName_.clear();
}

void Picture::SetResourceName(const std::wstring& name) {
    Clear();
    resourceName_ = name;
    auto bitmap = static_cast<HBITMAP>(LoadImageW(
        platform::ResourceSourceOf(name.c_str(), RT_BITMAP), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION
    ));
    BITMAP info{};
    if (bitmap && GetObjectW(bitmap, sizeof info, &info)) {
        bitmap_.Reset(bitmap);
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    } else if (bitmap) {
        DeleteObject(bitmap);
    }
    if (onChange) onChange();
}

void Picture::SetBitmap(platform::BitmapHandle bitmap) {
    Clear();
    BITMAP info{};
    if (GetObjectW(bitmap.Get(), sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
        bitmap_ = std::move(bitmap);
    }
    if (onChange) onChange();
}

void Picture::SetData(const std::vector<std::uint8_t>& data) {
    Clear();
    if (const auto graphic = images::SplitStoredPicture(data)) {
        const bool ok =
            graphic->kind == images::GraphicKind::Bitmap ? LoadBitmapFile(graphic->file) : LoadIconFile(graphic->file);
        if (ok) data_ = data;
    }
    if (onChange) onChange();
}

bool Picture::LoadBitmapFile(std::span<const std::uint8_t> file) {
    const auto layout = images::CheckBitmapFile(file);
    if (!layout) return false;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + images::kFileHeaderSize);
    platform::WindowDc screen;
    HBITMAP bitmap =
        CreateDIBitmap(screen.Get(), &info->bmiHeader, CBM_INIT, file.data() + layout->pixels, info, DIB_RGB_COLORS);
    if (!bitmap) return false;
    bitmap_.Reset(bitmap);
    width_ = layout->width;
    height_ = static_cast<int>(layout->rows);
    return true;
}

// The image closest to 32 x 32, the size the program's pictures use.
bool Picture::LoadIconFile(std::span<const std::uint8_t> file) {
    const auto image = images::PickIconImage(file, 32);
    if (!image) return false;
    icon_.Reset(CreateIconFromResourceEx(
        const_cast<std::uint8_t*>(file.data() + image->offset), static_cast<DWORD>(image->size), TRUE, 0x00030000,
        image->width, image->height, LR_DEFAULTCOLOR
    ));
    if (!icon_) return false;
    width_ = image->width;
    height_ = image->height;
    return true;
}

void Picture::Draw(HDC dc, const RECT& rect, bool transparent) const {
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (icon_) {
        DrawIconEx(dc, rect.left, rect.top, icon_.Get(), w, h, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) return;
    platform::MemoryDc memory(CreateCompatibleDC(dc));
    BlitBitmap(dc, rect, memory.Get(), transparent);
}

void Picture::BlitBitmap(HDC dc, const RECT& rect, HDC memory, bool transparent) const {
    platform::Selection selected(memory, bitmap_.Get());
    int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (transparent) {
        COLORREF key = GetPixel(memory, 0, height_ - 1);
        // From the system folder only, rather than imported: see platform/system_library.h.
        static const auto transparentBlt =
            platform::SystemFunction<decltype(&TransparentBlt)>(L"msimg32.dll", "TransparentBlt");
        if (transparentBlt) transparentBlt(dc, rect.left, rect.top, w, h, memory, 0, 0, width_, height_, key);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, rect.left, rect.top, w, h, memory, 0, 0, width_, height_, SRCCOPY);
    }
}

}  // namespace ui
