#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/registry.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { ResetSettingsKey(); }
    void TearDown() override {
        while (SettingsKeyNesting() > 0) CloseSettingsKey();
        ResetSettingsKey();
    }
};

}  // namespace

TEST_F(SettingsStore, MissingValuesAreCreatedWithTheirEncodedDefaults) {
    {
        SettingsSession session;
        EXPECT_EQ(ReadSetting(settings::IconViewMode), 1);
        EXPECT_EQ(ReadSetting(settings::IconViewStyle), 1);
        EXPECT_EQ(ReadSetting(settings::OnTimeFree), -1);
        EXPECT_EQ(ReadSetting(settings::MemMinFree), 0);
        EXPECT_EQ(ReadSetting(settings::UntouchableCacheSize), 16777216);
        EXPECT_EQ(ReadSetting(settings::HotSleepKey), 49217);
        EXPECT_EQ(ReadSetting(settings::OnTimeFreeSec), 270);
    }
    EXPECT_EQ(ReadRawDword("IconViewMode"), 1);
    EXPECT_EQ(ReadRawDword("IconViewStyle"), 0);
    EXPECT_EQ(ReadRawDword("OnTimeFree"), -1);
    EXPECT_EQ(ReadRawDword("MemMinFree"), 0);
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 16777216);
    EXPECT_EQ(ReadRawDword("HotSleepKey"), 49217);
    EXPECT_EQ(ReadRawDword("OnTimeFreeSec"), 240);
}

TEST_F(SettingsStore, RangedValuesAreStoredAndReadInTheirEncoding) {
    SettingsSession session;
    WriteSetting(settings::OnTimeFreeSec, 270);
    EXPECT_EQ(ReadRawDword("OnTimeFreeSec"), 240);
    WriteSetting(settings::OnTimeCPUBusyVal, 5);
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusyVal"), 4);
    WriteRawDword("OnTimeCPUBusyVal", 100);
    EXPECT_EQ(ReadSetting(settings::OnTimeCPUBusyVal), 1);
    WriteRawDword("OnTimeCPUBusyVal", 0);
    EXPECT_EQ(ReadSetting(settings::OnTimeCPUBusyVal), 1);
    WriteSetting(settings::IconTimeRefresh, 10);
    EXPECT_EQ(ReadRawDword("IconTimeRefresh"), 9);
    WriteSetting(settings::DefragPassesNum, 0);
    EXPECT_EQ(ReadRawDword("DefragPassesNum"), -1);
    EXPECT_EQ(ReadSetting(settings::DefragPassesNum), 0);
}

TEST_F(SettingsStore, AValueOfTheWrongSizeReadsAsMissingAndIsReplaced) {
    std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    WriteRawValue("QBoostSize", REG_BINARY, eight, sizeof eight);
    SettingsSession session;
    EXPECT_EQ(ReadSetting(settings::QBoostSize), 33554432);
    EXPECT_EQ(ReadRawDword("QBoostSize"), 33554432);
}

TEST_F(SettingsStore, NestedOpensReleaseTheKeyOnlyOnTheLastClose) {
    EXPECT_FALSE(SettingsKeyIsOpen());
    OpenSettingsKey();
    OpenSettingsKey();
    CloseSettingsKey();
    EXPECT_TRUE(SettingsKeyIsOpen());
    WriteSetting(settings::DlgCloseNeverAsk, -1);  // still goes to the open key
    EXPECT_EQ(ReadRawDword("DlgCloseNeverAsk"), -1);
    CloseSettingsKey();
    EXPECT_FALSE(SettingsKeyIsOpen());
    EXPECT_EQ(SettingsKeyNesting(), 0);
    CloseSettingsKey();  // closing when nothing is open does nothing
    EXPECT_EQ(SettingsKeyNesting(), 0);
}

TEST_F(SettingsStore, ANestedOpenOfAnotherKeyGoesThereUntilItsClose) {
    const char* other = "Software\\TesslySoftware\\StoreNestingTest";
    OpenSettingsKey();
    ASSERT_EQ(OpenSettingsKey(other), ERROR_SUCCESS);
    EXPECT_EQ(SettingsKeyNesting(), 2);
    WriteSettingInt("Inner", 5, 0, 0);
    CloseSettingsKey();
    WriteSettingInt("Outer", 6, 0, 0);
    CloseSettingsKey();
    EXPECT_FALSE(SettingsKeyIsOpen());

    EXPECT_FALSE(ReadRawDword("Inner").has_value());
    EXPECT_EQ(ReadRawDword("Outer"), 6);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, other, 0, KEY_READ, &key), ERROR_SUCCESS);
    std::int32_t inner = 0;
    DWORD size = sizeof inner;
    EXPECT_EQ(RegQueryValueExA(key, "Inner", nullptr, nullptr, reinterpret_cast<BYTE*>(&inner), &size), ERROR_SUCCESS);
    EXPECT_EQ(inner, 5);
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_CURRENT_USER, other);
}

TEST_F(SettingsStore, NoDataIsRefusedAndWritesNothing) {
    SettingsSession session;
    EXPECT_EQ(WriteSettingBinary("Block", nullptr, 0), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(ReadRawValue("Block").has_value());
}

TEST_F(SettingsStore, WithoutAnOpenKeyReadsYieldDefaultsAndWritesDoNothing) {
    EXPECT_EQ(ReadSetting(settings::OnTimeFreeSec), 270);
    WriteSetting(settings::OnTimeFreeSec, 100);
    EXPECT_FALSE(ReadRawDword("OnTimeFreeSec").has_value());
}

TEST_F(SettingsStore, TextsAreStoredWideWithTheirTerminatorAndFollowTheSizeRules) {
    SettingsSession session;
    const auto raw = platform::RegistryKey::Open(HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath));
    // Missing with a default: the default is written whole and returned cut to capacity - 1.
    EXPECT_EQ(ReadSettingString("Text", 5, L"english"), L"engl");
    EXPECT_EQ(raw.ReadString(L"Text"), L"english");
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(raw.Get(), L"Text", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 8 * sizeof(wchar_t));
    // An existing value that does not fit is cut, never replaced by the default.
    EXPECT_EQ(ReadSettingString("Text", 5, L"fr"), L"engl");
    EXPECT_EQ(raw.ReadString(L"Text"), L"english");
    // Texts outside the system's code page come back as they were.
    EXPECT_EQ(WriteSettingString("Text", L"Русский Ω"), ERROR_SUCCESS);
    EXPECT_EQ(ReadSettingString("Text", 0, L"zzzz"), L"Русский Ω");
    // Missing without a default: nothing, and nothing is written.
    EXPECT_FALSE(ReadSettingString("Other", 5, nullptr));
    EXPECT_FALSE(raw.HasValue(L"Other"));
}

TEST_F(SettingsStore, ARecordLongerThanTheCallersIsReadInPartNotReplaced) {
    SettingsSession session;
    std::uint8_t stored[8] = {9, 0, 0, 0, 8, 0, 0, 0};
    WriteRawValue("Rect", REG_BINARY, stored, sizeof stored);
    std::int32_t def = 1;
    std::int32_t out = 0;
    ReadSettingBinary("Rect", &out, &def, sizeof out);
    EXPECT_EQ(out, 9);
    EXPECT_EQ(ReadRawValue("Rect")->size(), 8u);
}

TEST_F(SettingsStore, BinaryTextBlocksAndRecordsRoundTrip) {
    SettingsSession session;
    WriteSettingBinary("Block", "one\r\ntwo\r\n\r\n", 0);
    DWORD type = 0;
    auto raw = ReadRawValue("Block", &type);
    ASSERT_TRUE(raw);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(std::string(raw->begin(), raw->end()), "one\r\ntwo\r\n\r\n");

    std::int32_t def[4] = {1, 2, 3, 4};
    std::int32_t out[4] = {};
    ReadSettingBinary("Rect", out, def, sizeof out);
    EXPECT_EQ(out[3], 4);
    EXPECT_EQ(ReadRawValue("Rect")->size(), 16u);

    // A short stored value overlays the default; the bytes it lacks keep the default.
    std::uint8_t three[3] = {9, 0, 0};
    WriteRawValue("Rect", REG_BINARY, three, sizeof three);
    std::memset(out, 0xAB, sizeof out);
    ReadSettingBinary("Rect", out, def, sizeof out);
    EXPECT_EQ(out[0], 9);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(out[3], 4);
    EXPECT_EQ(DeleteSetting("Rect"), ERROR_SUCCESS);
    EXPECT_FALSE(ReadRawValue("Rect").has_value());
}

TEST_F(SettingsStore, WindowRectanglesAreSavedAndRestored) {
    HWND w =
        CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 100, 120, 300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(w);
    SettingsSession session;
    ASSERT_EQ(SaveWindowRect(w, "WndPos"), ERROR_SUCCESS);
    auto raw = ReadRawValue("WndPos");
    ASSERT_TRUE(raw);
    ASSERT_EQ(raw->size(), 16u);
    std::int32_t r[4];
    std::memcpy(r, raw->data(), 16);
    EXPECT_EQ(r[0], 100);
    EXPECT_EQ(r[1], 120);
    EXPECT_EQ(r[2], 400);
    EXPECT_EQ(r[3], 320);

    std::int32_t moved[4] = {50, 60, 450, 360};
    WriteRawValue("WndPos", REG_BINARY, moved, sizeof moved);
    EXPECT_EQ(RestoreWindowRect(w, "WndPos"), ERROR_SUCCESS);
    RECT now;
    GetWindowRect(w, &now);
    EXPECT_EQ(now.left, 50);
    EXPECT_EQ(now.top, 60);
    EXPECT_EQ(now.right - now.left, 400);
    EXPECT_EQ(now.bottom - now.top, 300);

    // A short record replaces only the fields it holds; the window's own rectangle
    // supplies the rest.
    std::int32_t corner[2] = {70, 80};
    WriteRawValue("WndPos", REG_BINARY, corner, sizeof corner);
    EXPECT_EQ(RestoreWindowRect(w, "WndPos"), ERROR_SUCCESS);
    GetWindowRect(w, &now);
    EXPECT_EQ(now.left, 70);
    EXPECT_EQ(now.top, 80);
    EXPECT_EQ(now.right, 450);
    EXPECT_EQ(now.bottom, 360);

    // A rectangle far off every screen leaves the window where it is.
    std::int32_t lost[4] = {-30000, -30000, -29700, -29800};
    WriteRawValue("WndPos", REG_BINARY, lost, sizeof lost);
    RestoreWindowRect(w, "WndPos");
    GetWindowRect(w, &now);
    EXPECT_EQ(now.left, 70);
    DestroyWindow(w);
}
