#include "controls/lcd_screen.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/rgb_surface.h"
#include "tests/win/controls/message_box_answer.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form.h"

using controls::RgbSurface;
using controls::TLCDScreen;
using displays::TPixelShape;
using displays::TPixelSize;

namespace {

constexpr COLORREF kBackground = RGB(0, 0, 96);
constexpr COLORREF kLit = RGB(255, 240, 0);
constexpr COLORREF kUnlit = RGB(60, 60, 60);

// A display on no window, painted onto a surface of its own size.
struct PaintedDisplay {
    explicit PaintedDisplay(TLCDScreen& display) : surface(display.Width(), display.Height()) {
        display.Paint(surface.dc());
    }
    COLORREF At(int x, int y) const { return GetPixel(surface.dc(), x, y); }
    RgbSurface surface;
};

std::unique_ptr<TLCDScreen> Display(const std::wstring& text) {
    auto display = std::make_unique<TLCDScreen>(nullptr);
    display->SetColor(kBackground);
    display->SetPixelOn(kLit);
    display->SetPixelOff(kUnlit);
    display->SetNoOfChars(5);
    display->Lines().Assign({text});
    return display;
}

}  // namespace

// "A" lights the middle three dots of its top row; its first cell starts inside the
// border and the border space.
TEST(LcdScreen, LitAndUnlitDotsTakeTheirColours) {
    auto display = Display(L"A");
    PaintedDisplay painted(*display);
    const int cell = 3 + 1;  // border space, then the border
    const int step = 2 + 1;  // dot size, then the spacing
    EXPECT_EQ(painted.At(cell, cell), kUnlit);
    EXPECT_EQ(painted.At(cell + step, cell), kLit);
    EXPECT_EQ(painted.At(cell + step + 1, cell + 1), kLit);
    EXPECT_EQ(painted.At(cell + 2, cell), kBackground);  // the gap between two dots
    // The second cell shows the blank space that pads the line.
    const int second = cell + display->Model().CellWidth() + 2;
    EXPECT_EQ(painted.At(second + step, cell), kUnlit);
}

TEST(LcdScreen, ADisabledDisplayShowsOnlyBorderAndBackground) {
    auto display = Display(L"AAAAA");
    display->SetEnabled(false);
    PaintedDisplay painted(*display);
    for (int y = 1; y < display->Height() - 1; ++y)
        for (int x = 1; x < display->Width() - 1; ++x) ASSERT_EQ(painted.At(x, y), kBackground) << x << ", " << y;
    EXPECT_EQ(painted.At(0, 0), GetSysColor(COLOR_BTNSHADOW));  // lowered: dark top-left
    EXPECT_EQ(painted.At(display->Width() - 1, display->Height() - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
}

// Big dots show the shapes: a square fills its box, a shaped dot is round on an unlit
// square, a round dot is round on the background.
TEST(LcdScreen, EachDotShapeFillsItsBoxItsOwnWay) {
    struct Case {
        TPixelShape shape;
        COLORREF corner;
    };
    for (const Case& c :
         {Case{TPixelShape::psSquare, kLit}, Case{TPixelShape::psShaped, kUnlit},
          Case{TPixelShape::psRound, kBackground}}) {
        auto display = Display(L"A");
        display->SetPixelSize(TPixelSize::pix8x8);
        display->SetPixelShape(c.shape);
        PaintedDisplay painted(*display);
        const int lit = 4 + 8 + 1;  // second dot of the top row
        EXPECT_EQ(painted.At(lit + 4, 4 + 4), kLit) << static_cast<int>(c.shape);
        EXPECT_EQ(painted.At(lit, 4), c.corner) << static_cast<int>(c.shape);
    }
    auto single = Display(L"A");
    single->SetPixelSize(TPixelSize::pix1x1);
    PaintedDisplay painted(*single);
    EXPECT_EQ(painted.At(4 + 2, 4), kLit);
    EXPECT_EQ(painted.At(4, 4), kUnlit);
}

TEST(LcdScreen, TheControlSnapsToWholeCells) {
    TLCDScreen display(nullptr);
    display.SetPixelSpacing(0);
    display.SetCharSpacing(0);
    display.SetBounds(0, 0, 458, 22);
    RgbSurface surface(458, 22);
    display.Paint(surface.dc());
    EXPECT_EQ(display.NoOfChars(), 41);
    EXPECT_EQ(display.NoOfLines(), 1);
    EXPECT_EQ(display.Width(), 458);
    EXPECT_EQ(display.Height(), 22);

    display.SetBounds(0, 0, 100, 60);
    display.Paint(surface.dc());
    EXPECT_EQ(display.NoOfChars(), 8);  // (100 - 6 + 1) div 11
    EXPECT_EQ(display.NoOfLines(), 3);  // (60 - 6 + 2) div 16
    EXPECT_EQ(display.Width(), 8 * 10 + 7 + 6 + 2);
    EXPECT_EQ(display.Height(), 3 * 14 + 2 * 2 + 6 + 2);
}

TEST(LcdScreen, InvalidValuesAreRefusedWithAMessageBox) {
    testing_support::InitializeKit();
    auto display = Display(L"A");
    {
        testing_support::MessageBoxAnswer answer;
        display->SetNoOfChars(0);
        EXPECT_EQ(answer.Text(), L"Display needs at least one character!");
    }
    EXPECT_EQ(display->NoOfChars(), 5);
    {
        testing_support::MessageBoxAnswer answer;
        display->SetPixelSpacing(-1);
        EXPECT_EQ(answer.Text(), L"Pixel spacing can't be less than zero!");
    }
    EXPECT_EQ(display->PixelSpacing(), 1);
}

// The scroll timer runs on the window's thread, one character per step, and only while
// scrolling is on; switching it off shows the text unscrolled again.
TEST(LcdScreen, ScrollingFollowsTheTimer) {
    testing_support::InitializeKit();
    auto display = Display(L"AB");
    display->SetScrollSpeed(20);
    display->SetScrollActive(true);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return display->Model().WorkLines()[0] != "AB   "; }, 5000));
    display->SetScrollActive(false);
    EXPECT_EQ(display->Model().WorkLines()[0], "AB   ");
    testing_support::PumpFor(100);
    EXPECT_EQ(display->Model().WorkLines()[0], "AB   ");
}

// Lines of the Russian set are read in its code page: Cyrillic letters get its upper codes.
TEST(LcdScreen, TextIsReadInTheCodePageOfTheGlyphSet) {
    auto display = Display(L"\u0416");
    display->SetDotMatrix(displays::TDotMatrix::Rus5x7);
    EXPECT_EQ(static_cast<unsigned char>(display->Model().WorkLines()[0][0]), 0x86);  // Zhe in the DOS Cyrillic layout
}
