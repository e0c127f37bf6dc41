#include "ui/image_list.h"

#include <algorithm>
#include <cstring>

#include "platform/handles.h"
#include "platform/resource_source.h"
#include "ui/property.h"

using platform::ResourceSourceOf;

namespace ui {

const PropertyTable& ImageList::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &Component::ClassProperties(),
        {
            Integer("Width", &ImageList::Width, &ImageList::SetWidth),
            Integer("Height", &ImageList::Height, &ImageList::SetHeight),
            Binary("Bitmap", &ImageList::BitmapData, &ImageList::SetBitmapData),
            Text("ResourceName", &ImageList::ResourceName, &ImageList::SetResourceName),
        }
    );
    return table;
}

ImageList::ImageList(Component* owner) : Component(owner) {}

ImageList::~ImageList() {
    changed_(true);
    if (handle_) ImageList_Destroy(handle_);
}

void ImageList::SetWidth(int w) {
    width_ = w;
    Rebuild();
}

void ImageList::SetHeight(int h) {
    height_ = h;
    Rebuild();
}

void ImageList::SetBitmapData(const std::vector<std::uint8_t>& data) {
    data_ = data;
    Rebuild();
}

void ImageList::SetResourceName(const std::wstring& name) {
    resourceName_ = name;
    std::vector<std::uint8_t> file;
    HMODULE source = ResourceSourceOf(name.c_str(), RT_BITMAP);
    HRSRC resource = FindResourceW(source, name.c_str(), RT_BITMAP);
    HGLOBAL loaded = resource ? LoadResource(source, resource) : nullptr;
    const void* bits = loaded ? LockResource(loaded) : nullptr;
    DWORD size = resource ? SizeofResource(source, resource) : 0;
    if (bits && size > sizeof(BITMAPINFOHEADER)) {
        // A bitmap resource is a .bmp file without its file header.
        BITMAPINFOHEADER info;
        std::memcpy(&info, bits, sizeof info);
        BITMAPFILEHEADER header{};
        header.bfType = 0x4D42;
        header.bfSize = static_cast<DWORD>(sizeof header + size);
        header.bfOffBits = static_cast<DWORD>(sizeof header + info.biSize + info.biClrUsed * sizeof(RGBQUAD));
        file.resize(sizeof header + size);
        std::memcpy(file.data(), &header, sizeof header);
        std::memcpy(file.data() + sizeof header, bits, size);
    }
    SetBitmapData(file);
}

HIMAGELIST ImageList::Handle() {
    if (!handle_) Rebuild();
    return handle_;
}

int ImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void ImageList::Rebuild() {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = nullptr;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    bool valid = data_.size() > sizeof file + sizeof info;
    if (valid) {
        std::memcpy(&file, data_.data(), sizeof file);
        std::memcpy(&info, data_.data() + sizeof file, sizeof info);
        valid = file.bfType == 0x4D42 && info.biWidth > 0 && info.biHeight != 0 && file.bfOffBits < data_.size() &&
                info.biCompression == BI_RGB;
    }
    if (valid) {
        size_t stride = ((static_cast<size_t>(info.biWidth) * info.biBitCount + 31) / 32) * 4;
        valid = file.bfOffBits + stride * static_cast<size_t>(std::abs(info.biHeight)) <= data_.size();
    }
    bool alpha = valid && info.biBitCount == 32;
    handle_ = ImageList_Create(width_, height_, (alpha ? ILC_COLOR32 : ILC_COLOR24 | ILC_MASK), 0, 4);
    if (valid && handle_) {
        void* bits = nullptr;
        platform::BitmapHandle bitmap(CreateDIBSection(
            platform::WindowDc().Get(), reinterpret_cast<const BITMAPINFO*>(data_.data() + sizeof file), DIB_RGB_COLORS,
            &bits, nullptr, 0
        ));
        if (bitmap && bits) {
            size_t stride = ((static_cast<size_t>(info.biWidth) * info.biBitCount + 31) / 32) * 4;
            std::memcpy(bits, data_.data() + file.bfOffBits, stride * static_cast<size_t>(std::abs(info.biHeight)));
            if (alpha) {
                ImageList_Add(handle_, bitmap.Get(), nullptr);
            } else {
                COLORREF key;
                {
                    platform::MemoryDc memory(CreateCompatibleDC(nullptr));
                    platform::Selection selected(memory.Get(), bitmap.Get());
                    key = GetPixel(memory.Get(), 0, std::abs(info.biHeight) - 1);
                }
                ImageList_AddMasked(handle_, bitmap.Get(), key);
            }
        }
    }
    changed_(false);
}

void ImageList::Draw(HDC dc, int index, int x, int y, bool enabled) {
    if (index < 0 || index >= ImageList_GetImageCount(Handle())) return;
    if (enabled) {
        ImageList_Draw(handle_, index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    IMAGELISTDRAWPARAMS p{};
    p.cbSize = sizeof p;
    p.himl = handle_;
    p.i = index;
    p.hdcDst = dc;
    p.x = x;
    p.y = y;
    p.fStyle = ILD_TRANSPARENT;
    p.fState = ILS_SATURATE;
    ImageList_DrawIndirect(&p);
}

}  // namespace ui
