#include <gtest/gtest.h>

#include "platform/text.h"

namespace {

TEST(TextTest, AsciiIdentifiersPassBothWays) {
    EXPECT_EQ(platform::Widen("MS Sans Serif"), L"MS Sans Serif");
    EXPECT_EQ(platform::Narrow(L"MS Sans Serif"), "MS Sans Serif");
    EXPECT_EQ(platform::Widen(""), L"");
    EXPECT_EQ(platform::Narrow(L""), "");
}

// Characters the code page lacks must not turn into look-alikes ("A" for "\u0100" would
// match identifiers and file names it should not).
TEST(TextTest, CharactersOutsideTheCodePageAreNeverReplacedByLookAlikes) {
    for (std::wstring text : {L"\u0100", L"\u0141", L"\u2202", L"\u0416"}) {
        std::wstring back = platform::Widen(platform::Narrow(text));
        EXPECT_TRUE(back == text || back == L"?") << static_cast<int>(text[0]);
        std::u16string wide(text.begin(), text.end());
        auto narrow = platform::SystemCodePage().ToNarrow(wide);
        if (narrow) {
            EXPECT_EQ(platform::SystemCodePage().ToWide(*narrow), wide) << static_cast<int>(text[0]);
        }
    }
}

TEST(TextTest, SystemCodePageRoundTripsWhatItHolds) {
    std::string bytes;
    for (int c = 32; c < 127; ++c) bytes += static_cast<char>(c);
    std::u16string wide = platform::SystemCodePage().ToWide(bytes);
    ASSERT_EQ(wide.size(), bytes.size());
    EXPECT_EQ(platform::SystemCodePage().ToNarrow(wide), bytes);
}

}  // namespace
