#include "controls/chart_fonts.h"

#include <gtest/gtest.h>

#include <string>

TEST(ChartFonts, CaptionAndLabelFacesResolveToInstalledFonts) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    for (const wchar_t* face : {L"Times New Roman", L"Tahoma"}) {
        const std::wstring resolved = controls::AvailableFace(face);
        const HFONT font = controls::ChartFont(face, 16, controls::FontStyle::Bold);
        EXPECT_EQ(controls::ChartFont(face, 16, controls::FontStyle::Bold), font);
        SelectObject(dc, font);
        wchar_t actual[LF_FACESIZE]{};
        GetTextFaceW(dc, LF_FACESIZE, actual);
        EXPECT_EQ(std::wstring(actual), resolved) << "asked for " << testing::PrintToString(std::wstring(face));
    }
    SelectObject(dc, original);
    DeleteDC(dc);
    EXPECT_EQ(controls::AvailableFace(L"No Such Face"), L"No Such Face");
}
