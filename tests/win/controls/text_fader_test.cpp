#include "controls/text_fader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/rgb_surface.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form.h"
#include "ui/label.h"

using controls::RgbSurface;
using controls::TTextFader;

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(0, 0, 0);

std::unique_ptr<TTextFader> Fader(std::vector<std::wstring> lines) {
    auto fader = std::make_unique<TTextFader>(nullptr);
    fader->SetBounds(0, 0, 120, 40);
    fader->SetColor(kPaper);
    fader->TextFont().SetColor(kInk);
    fader->TextFont().SetHeight(-24);
    fader->SetFadeStep(50);
    fader->Lines().Assign(std::move(lines));
    return fader;
}

std::vector<COLORREF> Painted(TTextFader& fader) {
    RgbSurface surface(fader.Width(), fader.Height());
    fader.Paint(surface.dc());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < fader.Height(); ++y)
        for (int x = 0; x < fader.Width(); ++x) pixels.push_back(GetPixel(surface.dc(), x, y));
    return pixels;
}

}  // namespace

// Halfway through fading "MM" in over an empty line, every pixel that is ink once the line
// is fully shown lies halfway between paper and ink.
TEST(TextFader, ALineMidFadeLiesBetweenTheTwoColours) {
    testing_support::InitializeKit();
    auto fader = Fader({L"", L"MM"});
    int completed = 0;
    fader->OnComplete = [&](ui::NotifyArgs&) { ++completed; };
    fader->SetActive(true);
    fader->FadeTick();  // the empty first line, half in
    fader->FadeTick();  // and fully shown
    fader->FadeTick();  // "MM" half in
    ASSERT_EQ(fader->Model().FadeLevel(), 50);
    const std::vector<COLORREF> half = Painted(*fader);
    fader->FadeTick();
    ASSERT_EQ(fader->Model().FadeLevel(), 100);
    const std::vector<COLORREF> full = Painted(*fader);
    EXPECT_EQ(completed, 2);

    int ink = 0;
    for (std::size_t i = 0; i < full.size(); ++i) {
        if (full[i] == kInk) {
            ++ink;
            EXPECT_EQ(half[i], RGB(127, 127, 127)) << i;
        } else if (full[i] == kPaper) {
            EXPECT_EQ(half[i], kPaper) << i;
        }
    }
    EXPECT_GT(ink, 50);
}

TEST(TextFader, AnEmptyLineShowsOnlyTheBackground) {
    auto fader = Fader({L""});
    fader->SetActive(true);
    fader->FadeTick();
    fader->FadeTick();
    for (COLORREF pixel : Painted(*fader)) ASSERT_EQ(pixel, kPaper);
}

// A transparent fader shows what its parent shows under it: the parent's colour and the
// caption before it in the child order.
TEST(TextFader, ATransparentFaderDrawsTheImageOfItsParent) {
    testing_support::InitializeKit();
    ui::Form form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    form.SetColor(RGB(200, 0, 0));
    auto* under = new ui::Label(&form);
    under->SetParent(&form);
    under->SetAutoSize(false);
    under->SetColor(RGB(0, 0, 200));
    under->SetBounds(10, 10, 30, 30);
    auto* fader = new TTextFader(&form);
    fader->SetParent(&form);
    fader->SetBounds(20, 20, 60, 40);
    fader->SetTransparent(true);
    fader->Lines().Clear();
    auto* over = new ui::Label(&form);  // after the fader: not part of its background
    over->SetParent(&form);
    over->SetAutoSize(false);
    over->SetColor(RGB(0, 200, 0));
    over->SetBounds(70, 50, 30, 30);

    RgbSurface surface(200, 100);
    fader->Paint(surface.dc());
    EXPECT_EQ(GetPixel(surface.dc(), 25, 25), RGB(0, 0, 200));
    EXPECT_EQ(GetPixel(surface.dc(), 50, 50), RGB(200, 0, 0));
    EXPECT_EQ(GetPixel(surface.dc(), 75, 55), RGB(200, 0, 0));
}

// A picture smaller than the fader is repeated from the top-left corner.
TEST(TextFader, ATiledBackgroundRepeatsFromTheCorner) {
    auto fader = Fader({L""});
    platform::WindowDc screen;
    platform::BitmapHandle tile(CreateCompatibleBitmap(screen.Get(), 16, 16));
    {
        platform::MemoryDc dc(CreateCompatibleDC(screen.Get()));
        platform::Selection selected(dc.Get(), tile.Get());
        const RECT left{0, 0, 8, 16};
        const RECT right{8, 0, 16, 16};
        FillRect(dc.Get(), &left, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillRect(dc.Get(), &right, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    fader->Background().SetBitmap(std::move(tile));
    const std::vector<COLORREF> pixels = Painted(*fader);
    const auto at = [&](int x, int y) { return pixels[y * fader->Width() + x]; };
    for (int x : {0, 16, 32, 112}) EXPECT_EQ(at(x, 0), kInk) << x;
    for (int x : {8, 24, 104}) EXPECT_EQ(at(x, 35), kPaper) << x;

    fader->SetBackgroundMode(controls::TBackgroundMode::bmCentered);
    const std::vector<COLORREF> centred = Painted(*fader);
    EXPECT_EQ(centred[12 * 120 + 52], kInk);    // the picture's left half from x 52
    EXPECT_EQ(centred[12 * 120 + 10], kPaper);  // no tiles around it
}
