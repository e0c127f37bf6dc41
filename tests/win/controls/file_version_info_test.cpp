#include "controls/file_version_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/error.h"
#include "tests/win/support/test_support.h"

using controls::TgsFileVersionInfo;

namespace {

// Beside the test program (the fixture modules are built there).
std::wstring TestFolder() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The message of the error that reading `filename` raises, or "no error".
std::wstring ReadError(TgsFileVersionInfo& info, const std::wstring& filename) {
    try {
        info.set_Filename(filename);
    } catch (const platform::Error& e) {
        return e.Message();
    }
    return L"no error";
}

}  // namespace

TEST(FileVersionInfo, ReadsTheConfiguratorsOwnVersion) {
    TgsFileVersionInfo info;
    info.set_Filename(testing_support::ProductFolder() + L"TesslyMBCfg.exe");
    EXPECT_EQ(info.LanguageInfo(), L"040904E4");
    EXPECT_EQ(info.FileVersion(), L"5.5.1.603");
    EXPECT_EQ(info.ProductVersion(), L"5.5.1.603");
    EXPECT_EQ(info.GetBuildOnly(), L"603");
    EXPECT_EQ(info.ProductName(), L"Tessly Dozidi Davazez");
    EXPECT_EQ(info.CompanyName(), L"TesslySoftware");
    EXPECT_EQ(info.OriginalFilename(), L"TesslyMBCfg.exe");
    EXPECT_EQ(info.InternalName(), L"TesslyMBCfg");
    for (const std::wstring* value : {&info.FileDescription(), &info.LegalCopyright(), &info.Comments()}) {
        EXPECT_FALSE(value->empty());
        EXPECT_NE(*value, L"n/a");
    }
}

TEST(FileVersionInfo, MissingValuesReadNotAvailable) {
    TgsFileVersionInfo info;
    info.set_Filename(TestFolder() + L"sparse_version.dll");
    EXPECT_EQ(info.LanguageInfo(), L"040704B0");
    EXPECT_EQ(info.CompanyName(), L"Sample Company");
    EXPECT_EQ(info.FileVersion(), L"12");
    // A version without a dot is all build number.
    EXPECT_EQ(info.GetBuildOnly(), L"12");
    for (const std::wstring* value :
         {&info.FileDescription(), &info.InternalName(), &info.LegalCopyright(), &info.OriginalFilename(),
          &info.ProductName(), &info.ProductVersion(), &info.Comments()})
        EXPECT_EQ(*value, L"n/a");
}

TEST(FileVersionInfo, UnreadableFilesRaiseTheirErrorsAndLeaveNoValues) {
    TgsFileVersionInfo info;
    info.set_Filename(testing_support::ProductFolder() + L"TesslyMBCfg.exe");

    const std::wstring missing = TestFolder() + L"no_such_program.exe";
    EXPECT_EQ(ReadError(info, missing), L"File not found: " + missing);
    EXPECT_EQ(info.Filename(), missing);
    EXPECT_EQ(info.FileVersion(), L"");
    EXPECT_EQ(info.LanguageInfo(), L"");
    EXPECT_EQ(info.GetBuildOnly(), L"");

    // A folder is not a file.
    const std::wstring folder = TestFolder();
    EXPECT_EQ(ReadError(info, folder), L"File not found: " + folder);

    // This test program carries no version resource, nor does a plain text file.
    EXPECT_EQ(ReadError(info, ThisProgram()), L"Invalid version info record in file " + ThisProgram());
    const std::wstring text = TestFolder() + L"version_info_plain.txt";
    std::ofstream(std::filesystem::path(text)) << "not a program\n";
    EXPECT_EQ(ReadError(info, text), L"Invalid version info record in file " + text);
    DeleteFileW(text.c_str());

    const std::wstring untranslated = TestFolder() + L"untranslated_version.dll";
    EXPECT_EQ(ReadError(info, untranslated), L"Invalid language info in file " + untranslated);
    EXPECT_EQ(info.FileVersion(), L"");
    EXPECT_EQ(info.CompanyName(), L"");
}
