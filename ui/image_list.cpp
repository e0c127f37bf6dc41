#include "ui/image_list.h"

#include <cstring>

#include "core/images/bitmap_file.h"
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
    const auto bits = platform::ResourceBytes(ResourceSourceOf(name.c_str(), RT_BITMAP), name.c_str(), RT_BITMAP);
    // A bitmap resource is a .bmp file without its file header.
    SetBitmapData(images::BitmapFileOfResource(bits).value_or(std::vector<std::uint8_t>()));
}

HIMAGELIST ImageList::Handle() {
    if (!handle_) Rebuild();
    return handle_;
}

int ImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

void ImageList::Rebuild() {
    if (handle_) ImageList_Destroy(handle_);
    handle_ = nullptr;
    const auto layout = images::CheckBitmapFile(data_);
    const bool alpha = layout && layout->bitCount == 32;
    handle_ = ImageList_Create(width_, height_, (alpha ? ILC_COLOR32 : ILC_COLOR24 | ILC_MASK), 0, 4);
    if (layout && handle_) {
        void* bits = nullptr;
        platform::BitmapHandle bitmap(CreateDIBSection(
            platform::WindowDc().Get(), reinterpret_cast<const BITMAPINFO*>(data_.data() + images::kFileHeaderSize),
            DIB_RGB_COLORS, &bits, nullptr, 0
        ));
        if (bitmap && bits) {
            std::memcpy(bits, data_.data() + layout->pixels, layout->stride * layout->rows);
            if (alpha) {
                ImageList_Add(handle_, bitmap.Get(), nullptr);
            } else {
                COLORREF key;
                {
                    platform::MemoryDc memory(CreateCompatibleDC(nullptr));
                    platform::Selection selected(memory.Get(), bitmap.Get());
                    key = GetPixel(memory.Get(), 0, static_cast<int>(layout->rows) - 1);
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
