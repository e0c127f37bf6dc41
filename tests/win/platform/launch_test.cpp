#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/launch.h"
#include "platform/program_folder.h"
#include "tests/win/support/test_support.h"

namespace {

// launch_marker notes its command line, working folder and show command in
// "launch_marker.exe.ran", one per line.
class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileW(Note().c_str()); }
    void TearDown() override { DeleteFileW(Note().c_str()); }

    static std::wstring Marker() { return platform::ProgramFolder() + L"launch_marker.exe"; }
    static std::wstring Note() { return Marker() + L".ran"; }

    static bool NoteWritten() {
        return testing_support::PumpUntil([] { return GetFileAttributesW(Note().c_str()) != INVALID_FILE_ATTRIBUTES; });
    }

    // The command line and the folder, once the marker has finished writing them.
    static std::pair<std::wstring, std::wstring> ReadNote() {
        std::wstring text;
        testing_support::PumpUntil([&] {
            HANDLE file = CreateFileW(Note().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE) return false;
            wchar_t buffer[2048];
            DWORD read = 0;
            ReadFile(file, buffer, sizeof buffer, &read, nullptr);
            CloseHandle(file);
            text.assign(buffer, read / sizeof(wchar_t));
            return text.find(L'\n') != std::wstring::npos;
        });
        size_t split = text.find(L'\n');
        if (split == std::wstring::npos) return {text, L""};
        const size_t end = text.find(L'\n', split + 1);
        return {text.substr(0, split), text.substr(split + 1, end == std::wstring::npos ? end : end - split - 1)};
    }

    static std::wstring WithoutSlash(std::wstring folder) {
        while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
        return folder;
    }
};

TEST_F(LaunchTest, AProgramGetsItsQuotedPathArgumentsAndFolder) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    ASSERT_TRUE(platform::StartProgram(Marker(), L"-about", temp));
    auto [commandLine, folder] = ReadNote();
    EXPECT_EQ(commandLine, L"\"" + Marker() + L"\" -about");
    EXPECT_EQ(_wcsicmp(WithoutSlash(folder).c_str(), WithoutSlash(temp).c_str()), 0) << folder;
}

TEST_F(LaunchTest, ADetachedStartWithoutArgumentsReachesTheProgram) {
    platform::StartProgramDetached(Marker(), L"", L"");
    auto [commandLine, folder] = ReadNote();
    EXPECT_EQ(commandLine, L"\"" + Marker() + L"\"");
}

TEST_F(LaunchTest, AMissingProgramIsReported) {
    EXPECT_FALSE(platform::StartProgram(platform::ProgramFolder() + L"no_such_program.exe", L"", L""));
}

TEST_F(LaunchTest, TheShellStartsAProgramWithParametersInItsFolder) {
    ASSERT_TRUE(platform::ShellStart(Marker(), L"one two", platform::ProgramFolder(), SW_SHOWNORMAL));
    auto [commandLine, folder] = ReadNote();
    EXPECT_NE(commandLine.find(L"one two"), std::wstring::npos) << commandLine;
    EXPECT_EQ(_wcsicmp(WithoutSlash(folder).c_str(), WithoutSlash(platform::ProgramFolder()).c_str()), 0) << folder;
}

TEST_F(LaunchTest, ADetachedShellOpenReachesTheProgram) {
    platform::ShellStartDetached(Marker(), platform::ProgramFolder());
    EXPECT_TRUE(NoteWritten());
}

}  // namespace
