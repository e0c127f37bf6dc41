#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/handles.h"
#include "tests/win/resources/image_strip.h"

using image_tests::kStrips;
using image_tests::Pixel;
using image_tests::Strip;

namespace {

// A white 32-bit canvas the size of one image, drawn into through a memory DC.
class Canvas {
public:
    explicit Canvas(int size) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<std::uint8_t*>(bits);
        SelectObject(dc_.Get(), bitmap_.Get());
        RECT all{0, 0, size, size};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC Dc() const { return dc_.Get(); }
    Pixel At(int x, int y) const {
        GdiFlush();
        const std::uint8_t* p = bits_ + (static_cast<size_t>(y) * size_ + x) * 4;
        return {p[2], p[1], p[0], 255};
    }

private:
    int size_;
    platform::BitmapHandle bitmap_;
    platform::MemoryDc dc_;  // deleted first, which lets go of the bitmap
    std::uint8_t* bits_ = nullptr;
};

int OverWhite(int channel, int alpha) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; }

bool Near(int a, int b) { return std::abs(a - b) <= 4; }

}  // namespace

TEST(ImageLists, TakeEveryStripAndBlendItsImagesOverTheBackground) {
    for (const auto& layout : kStrips) {
        SCOPED_TRACE(testing::Message() << layout.name);
        Strip strip(layout.name);
        HIMAGELIST list = ImageList_Create(layout.size, layout.size, ILC_COLOR32, layout.count, 0);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ImageList_Add(list, strip.Handle(), nullptr), 0);
        EXPECT_EQ(ImageList_GetImageCount(list), layout.count);
        for (int i = 0; i < layout.count; ++i) {
            SCOPED_TRACE(testing::Message() << "image " << i);
            Canvas canvas(layout.size);
            ASSERT_TRUE(ImageList_Draw(list, i, canvas.Dc(), 0, 0, ILD_NORMAL));
            int checked = 0, wrong = 0;
            for (int y = 0; y < layout.size; ++y) {
                for (int x = 0; x < layout.size; ++x) {
                    const Pixel src = strip.At(i * layout.size + x, y);
                    const Pixel out = canvas.At(x, y);
                    ++checked;
                    wrong +=
                        !(Near(out.r, OverWhite(src.r, src.a)) && Near(out.g, OverWhite(src.g, src.a)) &&
                          Near(out.b, OverWhite(src.b, src.a)));
                }
            }
            EXPECT_EQ(wrong, 0) << "of " << checked << " pixels";
        }
        ImageList_Destroy(list);
    }
}
