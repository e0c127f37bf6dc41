#include "core/wizards/system_description.h"

#include <gtest/gtest.h>

using namespace wizards;

namespace {
const OsLabels kLabels{L"Undetected", L"  Build: ", L"  Extra: "};
constexpr std::uint32_t kNT = 2;
constexpr std::uint32_t k9x = 1;
}  // namespace

TEST(SystemDescription, NamesTheKnownSystemsWithBuildAndServicePack) {
    EXPECT_EQ(
        OsDescription({kNT, 5, 1, 2600, L"Service Pack 2"}, kLabels),
        L"Windows XP or .NET\r\n  Build: 2600\r\n  Extra: Service Pack 2"
    );
    EXPECT_EQ(OsDescription({kNT, 3, 51, 1057, L""}, kLabels), L"Windows NT 3.51\r\n  Build: 1057\r\n  Extra: ");
    EXPECT_EQ(OsDescription({kNT, 4, 0, 1381, L"Service Pack 6"}, kLabels).substr(0, 16), L"Windows NT 4.0\r\n");
    EXPECT_EQ(OsDescription({kNT, 5, 0, 2195, L""}, kLabels).substr(0, 14), L"Windows 2000\r\n");
    EXPECT_EQ(OsDescription({k9x, 4, 0, 950, L""}, kLabels).substr(0, 12), L"Windows 95\r\n");
    EXPECT_EQ(OsDescription({k9x, 4, 10, 2222, L" A "}, kLabels), L"Windows 98\r\n  Build: 2222\r\n  Extra:  A ");
    EXPECT_EQ(OsDescription({k9x, 4, 90, 3000, L""}, kLabels).substr(0, 12), L"Windows Me\r\n");
}

TEST(SystemDescription, OtherSystemsAreUndetectedInTheirLanguage) {
    EXPECT_EQ(OsDescription({kNT, 10, 0, 19045, L""}, kLabels), L"Undetected\r\n  Build: 19045\r\n  Extra: ");
    EXPECT_EQ(OsDescription({kNT, 4, 10, 1, L""}, kLabels).substr(0, 12), L"Undetected\r\n");  // a 9x number on NT
    EXPECT_EQ(
        OsDescription({kNT, 6, 1, 7601, L""}, {L"Unbekannt", L"  B: ", L"  E: "}), L"Unbekannt\r\n  B: 7601\r\n  E: "
    );
    // Build numbers are unsigned.
    EXPECT_EQ(OsDescription({kNT, 9, 9, 4294967295u, L""}, kLabels), L"Undetected\r\n  Build: 4294967295\r\n  Extra: ");
}

TEST(SystemDescription, ServicePackTextStopsAt128Characters) {
    const std::wstring description = OsDescription({kNT, 5, 1, 2600, std::wstring(300, L'x')}, kLabels);
    EXPECT_EQ(description, L"Windows XP or .NET\r\n  Build: 2600\r\n  Extra: " + std::wstring(128, L'x'));
}
