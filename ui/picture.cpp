#include "ui/picture.h"

#include <cstring>
#include <string>
#include <utility>

#include "platform/resource_source.h"
#include "platform/system_library.h"
#include "ui/property.h"

namespace ui {
namespace {

template <class T>
bool ReadAt(const std::uint8_t* data, size_t size, size_t offset, T& out) {
    if (offset > size || size - offset < sizeof(T)) return false;
    std::memcpy(&out, data + offset, sizeof(T));
    return true;
}

}  // namespace

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
    if (!data.empty() && data[0] < data.size()) {
        std::string kind(reinterpret_cast<const char*>(data.data() + 1), data[0]);
        const std::uint8_t* body = data.data() + 1 + data[0];
        size_t size = data.size() - 1 - data[0];
        std::uint32_t bmpSize = 0;
        bool ok = false;
        if (kind == "TBitmap" && ReadAt(body, size, 0, bmpSize) && bmpSize <= size - 4)
            ok = LoadBitmapFile(body + 4, bmpSize);
        else if (kind == "TIcon")
            ok = LoadIconFile(body, size);
        if (ok) data_ = data;
    }
    if (onChange) onChange();
}

bool Picture::LoadBitmapFile(const std::uint8_t* data, size_t size) {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    if (!ReadAt(data, size, 0, file) || file.bfType != 0x4D42 || !ReadAt(data, size, sizeof file, info)) return false;
    if (info.biWidth <= 0 || info.biHeight == 0 || file.bfOffBits >= size) return false;
    size_t colors = info.biBitCount <= 8 ? (info.biClrUsed ? info.biClrUsed : (1u << info.biBitCount)) : 0;
    size_t headerEnd = sizeof file + info.biSize + colors * sizeof(RGBQUAD);
    size_t stride = ((static_cast<size_t>(info.biWidth) * info.biBitCount + 31) / 32) * 4;
    size_t rows = static_cast<size_t>(info.biHeight < 0 ? -info.biHeight : info.biHeight);
    if (info.biCompression != BI_RGB || headerEnd > size || file.bfOffBits + stride * rows > size) return false;
    platform::WindowDc screen;
    HBITMAP bitmap = CreateDIBitmap(
        screen.Get(), &info, CBM_INIT, data + file.bfOffBits, reinterpret_cast<const BITMAPINFO*>(data + sizeof file),
        DIB_RGB_COLORS
    );
    if (!bitmap) return false;
    bitmap_.Reset(bitmap);
    width_ = info.biWidth;
    height_ = static_cast<int>(rows);
    return true;
}

bool Picture::LoadIconFile(const std::uint8_t* data, size_t size) {
    std::uint16_t reserved = 0, type = 0, count = 0;
    if (!ReadAt(data, size, 0, reserved) || !ReadAt(data, size, 2, type) || !ReadAt(data, size, 4, count)) return false;
    if (reserved != 0 || type != 1 || count == 0) return false;
    // The entry closest to 32 x 32, the size the program's pictures use.
    int best = -1, bestScore = INT_MAX;
    for (int i = 0; i < count; ++i) {
        std::uint8_t w = 0;
        if (!ReadAt(data, size, 6 + 16 * static_cast<size_t>(i), w)) return false;
        int score = std::abs((w ? w : 256) - 32);
        if (score < bestScore) best = i, bestScore = score;
    }
    size_t entry = 6 + 16 * static_cast<size_t>(best);
    std::uint8_t w = 0, h = 0;
    std::uint32_t bytes = 0, offset = 0;
    if (!ReadAt(data, size, entry, w) || !ReadAt(data, size, entry + 1, h) || !ReadAt(data, size, entry + 8, bytes) ||
        !ReadAt(data, size, entry + 12, offset) || offset > size || bytes > size - offset)
        return false;
    int width = w ? w : 256, height = h ? h : 256;
    icon_.Reset(CreateIconFromResourceEx(
        const_cast<std::uint8_t*>(data + offset), bytes, TRUE, 0x00030000, width, height, LR_DEFAULTCOLOR
    ));
    if (!icon_) return false;
    width_ = width;
    height_ = height;
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
