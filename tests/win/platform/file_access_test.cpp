#include "core/files/file_access.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A folder of its own under the temporary folder, named with letters outside the system's
// 8-bit code page, so every call must pass its path on in UTF-16.
class FileAccess : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"file-access-\u0416\u0443\u043A-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    void TearDown() override {
        // Files and folders of the test, deepest first.
        for (const wchar_t* name : {L"a\\b\\c", L"a\\b", L"a", L"\u00DCbersicht.lng", L"other.lng", L"file"}) {
            const std::wstring path = folder_ + L"\\" + name;
            if (!DeleteFileW(path.c_str())) RemoveDirectoryW(path.c_str());
        }
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }

    std::wstring folder_;
};

}  // namespace

TEST_F(FileAccess, AFileWrittenIsReadBackWholeOrAsFarAsTheLimitAndRewritingShortensIt) {
    const std::wstring file = File(L"\u00DCbersicht.lng");
    ASSERT_TRUE(files::Write(file, Text("a longer first content")));
    ASSERT_TRUE(files::Write(file, Text("second")));
    EXPECT_EQ(files::Read(file), Text("second"));
    EXPECT_EQ(files::Read(file, 3), Text("sec"));
    EXPECT_EQ(files::Read(file, 100), Text("second"));
    ASSERT_TRUE(files::Write(file, {}));
    EXPECT_EQ(files::Read(file), Bytes());
}

TEST_F(FileAccess, MissingFilesAndFoldersAreNotRead) {
    EXPECT_FALSE(files::Read(File(L"other.lng")));
    EXPECT_FALSE(files::Read(folder_));
    EXPECT_FALSE(files::Write(File(L"a\\other.lng"), Text("no folder")));
    EXPECT_FALSE(files::Writable(File(L"other.lng")));
}

// As while another program holds the file open and lets others only read it.
TEST_F(FileAccess, AFileHeldWithoutSharingWritesIsNotWritableButStillReadable) {
    const std::wstring file = File(L"\u00DCbersicht.lng");
    ASSERT_TRUE(files::Write(file, Text("text")));
    EXPECT_TRUE(files::Writable(file));
    const HANDLE held = CreateFileW(
        file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr
    );
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(files::Writable(file));
    EXPECT_EQ(files::Read(file), Text("text"));
    CloseHandle(held);
    EXPECT_TRUE(files::Writable(file));
}

TEST_F(FileAccess, RenameReplacesTheFileAtTheNewNameAndRemoveTellsWhetherThereWasOne) {
    ASSERT_TRUE(files::Write(File(L"\u00DCbersicht.lng"), Text("new")));
    ASSERT_TRUE(files::Write(File(L"other.lng"), Text("old")));
    EXPECT_TRUE(files::Rename(File(L"\u00DCbersicht.lng"), File(L"other.lng")));
    EXPECT_EQ(files::Read(File(L"other.lng")), Text("new"));
    EXPECT_FALSE(files::Read(File(L"\u00DCbersicht.lng")));
    EXPECT_FALSE(files::Rename(File(L"\u00DCbersicht.lng"), File(L"other.lng")));
    EXPECT_TRUE(files::Remove(File(L"other.lng")));
    EXPECT_FALSE(files::Remove(File(L"other.lng")));
}

TEST_F(FileAccess, MakeFoldersCreatesEveryMissingLevelButNotBelowAFile) {
    EXPECT_TRUE(files::MakeFolders(File(L"a\\b\\c\\")));
    EXPECT_TRUE(IsFolder(File(L"a\\b\\c")));
    EXPECT_TRUE(files::MakeFolders(File(L"a\\b")));  // already there
    ASSERT_TRUE(files::Write(File(L"file"), Text("x")));
    EXPECT_FALSE(files::MakeFolders(File(L"file\\below")));
    EXPECT_FALSE(files::MakeFolders(File(L"file")));
}

TEST(FileAccessJoin, AddsOneSeparatorOnlyWhereTheFolderLacksIt) {
    EXPECT_EQ(files::Join(L"C:\\data\\minidump", L"1.jpg"), L"C:\\data\\minidump\\1.jpg");
    EXPECT_EQ(files::Join(L"C:\\data\\minidump\\", L"1.jpg"), L"C:\\data\\minidump\\1.jpg");
    EXPECT_EQ(files::Join(L"C:/data/", L"1.jpg"), L"C:/data/1.jpg");
    EXPECT_EQ(files::Join(L"", L"1.jpg"), L"1.jpg");
}
