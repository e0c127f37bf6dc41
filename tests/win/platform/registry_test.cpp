#include "platform/registry.h"

#include <gtest/gtest.h>

using platform::RegistryKey;

namespace {

constexpr const wchar_t* kScratch = L"Software\\TesslySoftware\\RegistryTest";

class Registry : public ::testing::Test {
protected:
    void SetUp() override { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kScratch); }
    void TearDown() override { RegistryKey::DeleteTree(HKEY_CURRENT_USER, kScratch); }
};

}  // namespace

TEST_F(Registry, TextsOutsideTheCodePageRoundTripAndAreStoredWithTheirTerminator) {
    const std::wstring command = L"\"C:\\Tessly Тест Ω\\TesslyMBsrv.exe\"";
    {
        const auto key = RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
        ASSERT_TRUE(key);
        EXPECT_EQ(key.WriteString(L"Команда", command), ERROR_SUCCESS);
        EXPECT_EQ(key.WriteDword(L"Count", 0xFFFFFFF9u), ERROR_SUCCESS);
    }
    const auto key = RegistryKey::Open(HKEY_CURRENT_USER, kScratch);
    EXPECT_EQ(key.ReadString(L"Команда"), command);
    EXPECT_EQ(key.ReadDword(L"Count"), 0xFFFFFFF9u);
    // What the system's own readers (reg export among them) see: the text and one null.
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(key.Get(), L"Команда", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, (command.size() + 1) * sizeof(wchar_t));
}

TEST_F(Registry, TextsStoredWithoutTerminatorOrLongerThanAnyBufferReadWhole) {
    const auto key = RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
    const std::wstring bare = L"C:\\Prog\\TesslyMBsrv.exe";
    ASSERT_EQ(RegSetValueExW(key.Get(), L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare.data()),
                             static_cast<DWORD>(bare.size() * sizeof(wchar_t))),
              ERROR_SUCCESS);
    EXPECT_EQ(key.ReadString(L"Bare"), bare);
    const std::wstring longText(5000, L'ж');
    key.WriteString(L"Long", longText);
    EXPECT_EQ(key.ReadString(L"Long"), longText);
}

TEST_F(Registry, MissingValuesAndOtherTypesReadAsNothing) {
    const auto key = RegistryKey::Create(HKEY_CURRENT_USER, kScratch);
    key.WriteString(L"Text", L"12");
    key.WriteDword(L"Number", 12);
    EXPECT_FALSE(key.ReadDword(L"Text"));
    EXPECT_FALSE(key.ReadString(L"Number"));
    EXPECT_FALSE(key.ReadString(L"Missing"));
    EXPECT_FALSE(key.HasValue(L"Missing"));
    EXPECT_TRUE(key.HasValue(L"Number"));
    EXPECT_EQ(key.DeleteValue(L"Number"), ERROR_SUCCESS);
    EXPECT_FALSE(key.HasValue(L"Number"));
}

TEST_F(Registry, ARefusedOrMissingKeyReportsAndWritesNothing) {
    const auto missing = RegistryKey::Open(HKEY_CURRENT_USER, kScratch);
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.Status(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(missing.WriteDword(L"Count", 1), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(missing.ReadDword(L"Count"));

    RegistryKey::Create(HKEY_CURRENT_USER, kScratch).WriteDword(L"Count", 1);
    // A key opened for reading refuses writes, as a machine key does for a standard user.
    const auto readOnly = RegistryKey::Open(HKEY_CURRENT_USER, kScratch, KEY_QUERY_VALUE);
    ASSERT_TRUE(readOnly);
    EXPECT_NE(readOnly.WriteDword(L"Count", 2), ERROR_SUCCESS);
    EXPECT_EQ(readOnly.ReadDword(L"Count"), 1u);
}

TEST_F(Registry, TreesAreDeletedWithTheirSubKeys) {
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, std::wstring(kScratch) + L"\\Sub\\Deeper"));
    EXPECT_TRUE(RegistryKey::DeleteTree(HKEY_CURRENT_USER, kScratch));
    EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kScratch));
    EXPECT_TRUE(RegistryKey::DeleteTree(HKEY_CURRENT_USER, kScratch));  // gone already
}
