#include "tests/win/resources/image_strip.h"

#include <algorithm>
#include <stdexcept>

namespace image_tests {

std::wstring ServiceIconFile() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"booster.ico";
}

int Pixel::Spread() const { return std::max({r, g, b}) - std::min({r, g, b}); }

Strip::Strip(const wchar_t* name) {
    bitmap_ =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION section{};
    if (!bitmap_ || GetObjectW(bitmap_, sizeof section, &section) != sizeof section) {
        throw std::runtime_error("bitmap resource missing or not a DIB section");
    }
    width_ = section.dsBm.bmWidth;
    height_ = section.dsBm.bmHeight;
    bitsPerPixel_ = section.dsBm.bmBitsPixel;
    bottomUp_ = section.dsBmih.biHeight > 0;
    bits_ = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
}

Strip::~Strip() {
    if (bitmap_) DeleteObject(bitmap_);
}

Pixel Strip::At(int x, int y) const {
    const int row = bottomUp_ ? height_ - 1 - y : y;
    const std::uint8_t* p = bits_ + (static_cast<size_t>(row) * width_ + x) * 4;
    return {p[2], p[1], p[0], p[3]};
}

std::vector<Pixel> Strip::Cell(int index, int size) const {
    std::vector<Pixel> cell;
    cell.reserve(static_cast<size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) cell.push_back(At(index * size + x, y));
    }
    return cell;
}

}  // namespace image_tests
