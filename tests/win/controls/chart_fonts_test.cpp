#include "controls/chart_fonts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/handles.h"

TEST(ChartFonts, CaptionAndLabelFacesResolveToInstalledFonts) {
    platform::MemoryDc memory(CreateCompatibleDC(nullptr));
    const HDC dc = memory.Get();
    for (const wchar_t* face : {L"Times New Roman", L"Tahoma"}) {
        const std::wstring resolved = controls::AvailableFace(face);
        const HFONT font = controls::ChartFont(face, 16, controls::FontStyle::Bold);
        platform::Selection selected(dc, font);
        wchar_t actual[LF_FACESIZE]{};
        GetTextFaceW(dc, LF_FACESIZE, actual);
        EXPECT_EQ(std::wstring(actual), resolved) << "asked for " << testing::PrintToString(std::wstring(face));
    }
    EXPECT_EQ(controls::AvailableFace(L"No Such Face"), L"No Such Face");
}
