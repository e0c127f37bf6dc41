// The service launched with a file, as shortcuts and the shell verb launch it.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/service/service_protocol.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"

using testing_support::PumpFor;
using testing_support::PumpUntil;

using namespace protocol;

namespace {

std::wstring TestsFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, n);
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

class FileLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        testing_support::ResetSettingsKey();
        DeleteFileW(Note().c_str());
    }

    void TearDown() override {
        service_.Stop();
        StopAnyService();
        DeleteFileW(Note().c_str());
    }

    static std::wstring Marker() { return TestsFolder() + L"launch_marker.exe"; }
    static std::wstring Note() { return Marker() + L".ran"; }
    static std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }
    static std::wstring Arguments(const std::wstring& megabytes, const std::wstring& mode) {
        return Quoted(megabytes) + L" " + Quoted(mode) + L" " + Quoted(Marker());
    }

    // The marker's note, once it has been started: its command line and working folder.
    static std::wstring WaitForNote() {
        std::wstring text;
        PumpUntil(
            [&] {
                HANDLE file = CreateFileW(Note().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
                if (file == INVALID_HANDLE_VALUE) return false;
                wchar_t buffer[2048];
                DWORD read = 0;
                ReadFile(file, buffer, sizeof buffer - sizeof(wchar_t), &read, nullptr);
                CloseHandle(file);
                text.assign(buffer, read / sizeof(wchar_t));
                return !text.empty();
            },
            15000
        );
        return text;
    }

    // Runs a launch with a file that is expected to end by itself; its exit code.
    static std::optional<DWORD> Launch(const std::wstring& arguments) {
        ServiceProcess launch;
        if (!launch.Start(arguments)) return std::nullopt;
        return launch.WaitForExit(20000);
    }

    HWND StartIdleService() {
        if (!service_.Start()) return nullptr;
        HWND window = service_.WaitForWindow();
        if (window && SendCommand(window, kPause) != kIdle) return nullptr;
        return window;
    }

    ServiceProcess service_;
    ConfiguratorStandIn configurator_;
};

}  // namespace

TEST_F(FileLaunch, WithoutAServiceTheFileStartsInItsFolderAndNothingStaysBehind) {
    for (const wchar_t* mode : {L"s", L"e"}) {
        DeleteFileW(Note().c_str());
        EXPECT_EQ(Launch(Arguments(L"4", mode)), 0u) << mode;
        std::wstring note = WaitForNote();
        EXPECT_NE(note.find(L"launch_marker.exe"), std::wstring::npos) << mode;
        std::wstring folder = TestsFolder();
        folder.pop_back();
        EXPECT_NE(note.find(L"\n" + folder), std::wstring::npos) << mode;
        EXPECT_EQ(FindService(), nullptr) << mode;
    }
}

TEST_F(FileLaunch, ArgumentsAfterTheFileAreHandedToItAsWritten) {
    const std::wstring written[] = {L"\"two words\" -x", L"TARGETDIR=\"C:\\a b\" /q", L"say \\\"hi\\\" \"\""};
    for (const std::wstring& parameters : written) {
        DeleteFileW(Note().c_str());
        EXPECT_EQ(Launch(Arguments(L"-1", L"s") + L" " + parameters), 0u);
        const std::wstring note = WaitForNote();
        const std::wstring commandLine = note.substr(0, note.find(L'\n'));
        EXPECT_EQ(commandLine.substr(commandLine.size() - parameters.size() - 1), L" " + parameters)
            << std::string(commandLine.begin(), commandLine.end());
    }
}

TEST_F(FileLaunch, TheFileStartsInTheFolderAndWindowStateItIsGiven) {
    const std::wstring work = TestsFolder() + L"file launch start in";
    CreateDirectoryW(work.c_str(), nullptr);
    struct Case {
        std::wstring options;
        std::wstring folder;
        int show;
    };
    std::wstring own = TestsFolder();
    own.pop_back();
    const Case cases[] = {
        {L"", own, SW_SHOWNORMAL},
        {Quoted(L"/startin:" + work), work, SW_SHOWNORMAL},
        {Quoted(L"/startin:" + work) + L" \"/show:1\"", work, SW_SHOWMINNOACTIVE},
        {L"\"/show:2\" -x", own, SW_SHOWMAXIMIZED},
    };
    for (const Case& c : cases) {
        DeleteFileW(Note().c_str());
        EXPECT_EQ(Launch(Arguments(L"0", L"s") + L" " + c.options), 0u);
        const std::wstring note = WaitForNote();
        const std::size_t folderLine = note.find(L'\n') + 1;
        const std::size_t showLine = note.find(L'\n', folderLine) + 1;
        EXPECT_EQ(note.substr(folderLine, showLine - folderLine - 1), c.folder);
        EXPECT_EQ(note.substr(showLine), std::to_wstring(c.show));
    }
    RemoveDirectoryW(work.c_str());
}

TEST_F(FileLaunch, KeepRunningWithoutAServiceBecomesTheService) {
    ASSERT_TRUE(service_.Start(Arguments(L"-1", L"r")));
    EXPECT_FALSE(WaitForNote().empty());
    HWND service = service_.WaitForWindow();
    ASSERT_TRUE(service);
    EXPECT_EQ(SendCommand(service, kQuery), kRunning);
    ASSERT_TRUE(configurator_.WaitForCode(kRunning));
}

TEST_F(FileLaunch, WithARunningServiceTheModeLetterDecidesItsState) {
    HWND service = StartIdleService();
    ASSERT_TRUE(service);
    std::size_t seen = configurator_.Received().size();

    EXPECT_EQ(Launch(Arguments(L"0", L"s")), 0u);
    EXPECT_FALSE(WaitForNote().empty());
    EXPECT_EQ(SendCommand(service, kQuery), kIdle);  // the previous state is kept
    EXPECT_EQ(CountServiceWindows(), 1);

    DeleteFileW(Note().c_str());
    EXPECT_EQ(Launch(Arguments(L"0", L"r")), 0u);
    EXPECT_FALSE(WaitForNote().empty());
    EXPECT_EQ(SendCommand(service, kQuery), kRunning);
    EXPECT_TRUE(configurator_.WaitForCode(kRunning, seen));

    DeleteFileW(Note().c_str());
    seen = configurator_.Received().size();
    EXPECT_EQ(Launch(Arguments(L"0", L"e")), 0u);
    EXPECT_FALSE(WaitForNote().empty());
    EXPECT_TRUE(configurator_.WaitForCode(kStopped, seen));
    EXPECT_EQ(service_.WaitForExit(), 0u);
    EXPECT_EQ(FindService(), nullptr);
}

TEST_F(FileLaunch, BadArgumentsDoNothingAndEndTheProgram) {
    const std::wstring missing = TestsFolder() + L"no such program.exe";
    const std::wstring bad[] = {
        Quoted(L"16"),
        Quoted(L"16") + L" " + Quoted(L"s"),
        Quoted(L"lots") + L" \"s\" " + Quoted(Marker()),
        Quoted(L"16") + L" \"x\" " + Quoted(Marker()),
        Quoted(L"16") + L" \"s\" \"launch_marker.exe\"",
        Quoted(L"16") + L" \"s\" " + Quoted(missing),
        Quoted(L"16") + L" \"r\" " + Quoted(TestsFolder()),
        Arguments(L"16", L"s") + L" \"/startin:relative\"",
        Arguments(L"16", L"s") + L" " + Quoted(L"/startin:" + TestsFolder() + L"no such folder"),
        Arguments(L"16", L"s") + L" \"/show:5\"",
    };
    for (const auto& arguments : bad) {
        auto code = Launch(arguments);
        ASSERT_TRUE(code.has_value()) << std::string(arguments.begin(), arguments.end());
        EXPECT_NE(*code, 0u) << std::string(arguments.begin(), arguments.end());
        EXPECT_EQ(FindService(), nullptr);
    }
    PumpFor(500);
    EXPECT_EQ(GetFileAttributesW(Note().c_str()), INVALID_FILE_ATTRIBUTES);
}
