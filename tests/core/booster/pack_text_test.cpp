#include "core/booster/pack_text.h"

#include <gtest/gtest.h>

using namespace booster;

TEST(PackText, SplitsTheListUpToTheEmptyLine) {
    auto lines = SplitPackLines(L"Visit site\r\nTell a friend\r\nSend feedback\r\n\r\nleftover\r\n");
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"Visit site", L"Tell a friend", L"Send feedback"}));
    EXPECT_EQ(SplitPackLines(L"one\ntwo"), (std::vector<std::wstring>{L"one", L"two"}));
    EXPECT_TRUE(SplitPackLines(L"").empty());
    EXPECT_TRUE(SplitPackLines(L"\r\nlate").empty());
}

TEST(PackText, MissingOrEmptyCaptionsFallBack) {
    std::vector<std::wstring> fallback{L"A", L"B", L"C"};
    EXPECT_EQ(CaptionsOrFallback({L"x"}, fallback), (std::vector<std::wstring>{L"x", L"B", L"C"}));
    EXPECT_EQ(CaptionsOrFallback({L"", L"y", L"z", L"extra"}, fallback), (std::vector<std::wstring>{L"A", L"y", L"z"}));
}

TEST(TrayTip, FillsMemoryThenProcessor) {
    EXPECT_EQ(
        FormatTrayTip(L"[Tessly Dozidi Davazez]   Memory : %d %%,  Processor : %d %%", 42, 7, 127),
        L"[Tessly Dozidi Davazez]   Memory : 42 %,  Processor : 7 %"
    );
    EXPECT_EQ(FormatTrayTip(L"CPU %d%%", 5, 6, 127), L"CPU 5%");
}

TEST(TrayTip, AFormatFromTheRegistryCannotReachBeyondItsTwoNumbers) {
    EXPECT_EQ(FormatTrayTip(L"%s %n %x %d %d %d %", 1, 2, 127), L"%s %n %x 1 2 %d %");
    EXPECT_EQ(FormatTrayTip(L"%d and more text", 100, 0, 5), L"100 a");
}
