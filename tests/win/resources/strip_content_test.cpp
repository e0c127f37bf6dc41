#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/win/resources/image_strip.h"

using image_tests::kStrips;
using image_tests::Pixel;
using image_tests::Strip;

namespace {

int Opaque(const std::vector<Pixel>& cell) {
    int n = 0;
    for (const Pixel& p : cell) n += p.a > 0;
    return n;
}

// Pixels that are drawn in one image and empty in the other.
int ShapeDifference(const std::vector<Pixel>& a, const std::vector<Pixel>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += (a[i].a > 0) != (b[i].a > 0);
    return n;
}

bool AllGrey(const std::vector<Pixel>& cell) {
    for (const Pixel& p : cell) {
        if (p.a > 0 && p.Spread() > 3) return false;
    }
    return true;
}

long Colourfulness(const std::vector<Pixel>& cell) {
    long sum = 0;
    for (const Pixel& p : cell) sum += p.Spread() * p.a;
    return sum;
}

// Summed luma, weighted by coverage.
long Brightness(const std::vector<Pixel>& cell) {
    long sum = 0;
    for (const Pixel& p : cell) sum += (299L * p.r + 587L * p.g + 114L * p.b) / 1000 * p.a;
    return sum;
}

}  // namespace

TEST(ImageStrips, HaveExactSizesAndRealArtOnATransparentGroundInEveryCell) {
    for (const auto& layout : kStrips) {
        SCOPED_TRACE(testing::Message() << "strip " << layout.name);
        Strip strip(layout.name);
        EXPECT_EQ(strip.Width(), layout.size * layout.count);
        EXPECT_EQ(strip.Height(), layout.size);
        ASSERT_EQ(strip.BitsPerPixel(), 32);
        for (int i = 0; i < layout.count; ++i) {
            SCOPED_TRACE(testing::Message() << "image " << i);
            const auto cell = strip.Cell(i, layout.size);
            const int area = layout.size * layout.size;
            EXPECT_GT(Opaque(cell), area / 5) << "too little drawn to be legible";
            EXPECT_LT(Opaque(cell), area) << "no transparent ground";
        }
    }
}

TEST(ImageStrips, CarryStraightAlphaAsImageListsExpect) {
    // With premultiplied alpha no colour channel could exceed the pixel's alpha.
    for (const auto& layout : kStrips) {
        SCOPED_TRACE(testing::Message() << layout.name);
        Strip strip(layout.name);
        bool straight = false;
        for (int y = 0; y < strip.Height() && !straight; ++y) {
            for (int x = 0; x < strip.Width() && !straight; ++x) {
                const Pixel p = strip.At(x, y);
                straight = p.a > 0 && p.a < 200 && (p.r > p.a + 8 || p.g > p.a + 8 || p.b > p.a + 8);
            }
        }
        EXPECT_TRUE(straight);
    }
}

TEST(ImageStrips, MenuImagePairsAreColouredWhenEnabledAndGreyedWithTheSameShapeWhenDisabled) {
    Strip menu(L"MMIMAGES");
    for (int enabled : {0, 2, 4, 6, 8}) {
        SCOPED_TRACE(testing::Message() << "pair " << enabled << "/" << enabled + 1);
        const auto on = menu.Cell(enabled, 16);
        const auto off = menu.Cell(enabled + 1, 16);
        EXPECT_FALSE(AllGrey(on));
        EXPECT_TRUE(AllGrey(off));
        EXPECT_LE(ShapeDifference(on, off), 6);
        EXPECT_LT(Brightness(off), Brightness(on)) << "disabled image should recede (lower alpha)";
    }
}

TEST(ImageStrips, ToolbarHotImagesAreLivelierAndDisabledOnesGreyWithTheNormalShapes) {
    Strip normal(L"IMGPNLINACT"), hot(L"IMGPNLACT"), disabled(L"IMGPNLDISAB");
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(testing::Message() << "button image " << i);
        const auto n = normal.Cell(i, 24), h = hot.Cell(i, 24), d = disabled.Cell(i, 24);
        EXPECT_FALSE(AllGrey(n));
        EXPECT_TRUE(AllGrey(d));
        EXPECT_EQ(ShapeDifference(n, h), 0);
        EXPECT_LE(ShapeDifference(n, d), 10);
        EXPECT_GT(Colourfulness(h), Colourfulness(n));
        EXPECT_GT(Brightness(h), Brightness(n));
    }
}
