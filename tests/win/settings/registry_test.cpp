#include "settings/registry.h"

#include <gtest/gtest.h>

#include "platform/error.h"

namespace {

constexpr const char* kScratch = "Software\\TesslySoftware\\RegistryTest";

std::wstring MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::Error& e) {
        return e.Message();
    }
    return L"(no error)";
}

}  // namespace

TEST(Registry, ReadsWritesAndReportsFailuresWithTheProgramsMessages) {
    Registry reg;
    reg.DeleteKey(kScratch);
    EXPECT_FALSE(reg.OpenKey(kScratch, false));
    ASSERT_TRUE(reg.OpenKey(kScratch, true));
    reg.WriteString("Path", "C:\\Prog\\TesslyMBsrv.exe");
    reg.WriteInteger("Count", -7);
    EXPECT_TRUE(reg.ValueExists("Path"));
    EXPECT_EQ(reg.ReadString("Path"), "C:\\Prog\\TesslyMBsrv.exe");
    EXPECT_EQ(reg.ReadInteger("Count"), -7);

    // The string's data includes its terminator.
    HKEY raw;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kScratch, 0, KEY_READ, &raw), ERROR_SUCCESS);
    DWORD size = 0;
    RegQueryValueExA(raw, "Path", nullptr, nullptr, nullptr, &size);
    EXPECT_EQ(size, 24u);
    RegCloseKey(raw);

    EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Missing"); }), L"Failed to get data for 'Missing'");
    EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Path"); }), L"Invalid data type for 'Path'");
    EXPECT_EQ(MessageOf([&] { reg.ReadString("Count"); }), L"Invalid data type for 'Count'");
    reg.CloseKey();
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("Count", 1); }), L"Failed to set data for 'Count'");

    ASSERT_TRUE(reg.OpenKey(std::string(kScratch) + "\\Sub\\Deeper", true));
    reg.CloseKey();
    EXPECT_TRUE(reg.DeleteKey(kScratch));
    EXPECT_FALSE(reg.OpenKey(kScratch, false));
    EXPECT_FALSE(reg.DeleteKey(kScratch));
}
