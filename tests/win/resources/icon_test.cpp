#include <windows.h>

#include <gtest/gtest.h>

#include "platform/handles.h"
#include "tests/win/resources/image_strip.h"

namespace {

struct IconFacts {
    int width = 0, height = 0;
    COLORREF corner = 0, centre = 0;
};

// Measures an icon and draws it on white; takes ownership of the icon.
IconFacts Examine(HICON made, int size) {
    IconFacts facts;
    platform::IconHandle icon(made);
    if (!icon) return facts;
    ICONINFO info{};
    if (GetIconInfo(icon.Get(), &info)) {
        platform::BitmapHandle colourBits(info.hbmColor), maskBits(info.hbmMask);
        BITMAP colour{};
        GetObjectW(colourBits.Get(), sizeof colour, &colour);
        facts.width = colour.bmWidth;
        facts.height = colour.bmHeight;
    }
    platform::WindowDc screen;
    platform::MemoryDc dc(CreateCompatibleDC(screen.Get()));
    platform::BitmapHandle canvas(CreateCompatibleBitmap(screen.Get(), size, size));
    platform::Selection selected(dc.Get(), canvas.Get());
    RECT all{0, 0, size, size};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc.Get(), 0, 0, icon.Get(), size, size, 0, nullptr, DI_NORMAL);
    facts.corner = GetPixel(dc.Get(), 0, 0);
    facts.centre = GetPixel(dc.Get(), size / 2, size / 2 + size / 4);
    return facts;
}

void ExpectLegibleIcon(const IconFacts& facts, int size) {
    EXPECT_EQ(facts.width, size);
    EXPECT_EQ(facts.height, size);
    EXPECT_GE(GetRValue(facts.corner) + GetGValue(facts.corner) + GetBValue(facts.corner), 3 * 240)
        << "corner should show the white ground";
    EXPECT_NE(facts.centre, RGB(255, 255, 255));
    EXPECT_NE(GetRValue(facts.centre), GetGValue(facts.centre)) << "art should be in colour";
}

}  // namespace

TEST(ProgramIcons, MainIconLoadsByNameAndNumberAtSmallAndLargeSizes) {
    const wchar_t* const names[] = {L"MAINICON", MAKEINTRESOURCEW(1)};
    for (const wchar_t* name : names) {
        for (int size : {16, 32, 48}) {
            SCOPED_TRACE(testing::Message() << (IS_INTRESOURCE(name) ? L"#1" : name) << " at " << size);
            HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON, size, size, 0);
            ExpectLegibleIcon(Examine(static_cast<HICON>(icon), size), size);
        }
    }
}

TEST(ProgramIcons, ServiceIconFileLoadsAtSmallAndLargeSizes) {
    for (int size : {16, 32, 48}) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        HANDLE icon =
            LoadImageW(nullptr, image_tests::ServiceIconFile().c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE);
        ExpectLegibleIcon(Examine(static_cast<HICON>(icon), size), size);
    }
}
