// A shortcut made by the wizard, started through the shell: the real booster service
// reclaims memory, which an open configurator sees as a boost, and starts the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>

#include "core/service/service_protocol.h"
#include "platform/launch.h"
#include "platform/program_folder.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"
#include "tests/win/wizards/link_files.h"
#include "tests/win/wizards/link_wizard_driver.h"
#include "wizards/shell_link.h"

using testing_support::PumpUntil;

namespace {

class BoostedStart : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        testing_support::ResetSettingsKey();
    }
    void TearDown() override {
        StopAnyService();
        if (service_) {
            if (WaitForSingleObject(service_, 10000) != WAIT_OBJECT_0) TerminateProcess(service_, 1);
            CloseHandle(service_);
        }
        testing_support::ResetSettingsKey();
    }

    // The service beside the test, which the wizard's shortcuts start too.
    HWND StartService() {
        service_ = testing_support::StartProcess(L"\"" + link_files::ServiceProgram() + L"\"");
        HWND window = nullptr;
        PumpUntil([&] { return (window = FindService()) != nullptr; });
        return window;
    }

    ConfiguratorStandIn configurator_;
    HANDLE service_ = nullptr;
};

// The note that the started program leaves beside itself: its command line and folder.
std::wstring WaitForNote(const std::wstring& program) {
    std::wstring text;
    PumpUntil(
        [&] {
            text = link_files::ReadWideText(program + L".ran");
            return !text.empty();
        },
        20000
    );
    return text;
}

}  // namespace

TEST_F(BoostedStart, TheShortcutReclaimsMemoryThenStartsTheProgram) {
    link_files::ScratchFolder folder(L"boosted start");
    const std::wstring programs = folder.Path() + L"\\My Programs";
    CreateDirectoryW(programs.c_str(), nullptr);
    const std::wstring program = programs + L"\\launch_marker.exe";
    ASSERT_TRUE(CopyFileW((platform::ProgramFolder() + L"..\\launch_marker.exe").c_str(), program.c_str(), FALSE));

    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_EQ(SendCommand(service, protocol::kPause), protocol::kIdle);
    const std::size_t seen = configurator_.Received().size();

    const std::wstring shortcut = link_wizard_driver::MakeShortcutThroughTheWizard(program, 16, folder.Path());
    ASSERT_FALSE(shortcut.empty());
    ASSERT_TRUE(platform::ShellStart(shortcut, L"", L"", SW_SHOWNORMAL));

    const std::wstring note = WaitForNote(program);
    ASSERT_FALSE(note.empty());
    EXPECT_NE(note.find(L"launch_marker.exe"), std::wstring::npos);
    EXPECT_NE(note.find(L"\n" + programs), std::wstring::npos);  // started in its own folder
    ASSERT_TRUE(configurator_.WaitForCode(protocol::kBoostStarted, seen));
    ASSERT_TRUE(configurator_.WaitForCode(protocol::kBoostFinished, seen));
    for (std::size_t i = seen; i < configurator_.Received().size(); ++i)
        EXPECT_EQ(configurator_.Received()[i].lParam + 1, reinterpret_cast<LPARAM>(service));
    EXPECT_EQ(SendCommand(service, protocol::kQuery), protocol::kIdle);  // "s": the state it had

    std::wstring codes;
    for (std::size_t i = seen; i < configurator_.Received().size(); ++i)
        codes += std::to_wstring(configurator_.Received()[i].code) + L" ";
    std::wcout << L"shortcut: " << shortcut << L"\narguments: " << wizards::ReadShellLink(shortcut)->arguments
               << L"\nnotifications: " << codes << L"\nnote: " << note << std::endl;
}

TEST_F(BoostedStart, AShortcutMadeFromAShortcutStartsItsTargetInItsFolderWindowAndArguments) {
    link_files::ScratchFolder folder(L"boosted from link");
    const std::wstring programs = folder.Path() + L"\\My Programs";
    const std::wstring work = folder.Path() + L"\\Work Folder";
    CreateDirectoryW(programs.c_str(), nullptr);
    CreateDirectoryW(work.c_str(), nullptr);
    const std::wstring program = programs + L"\\launch_marker.exe";
    ASSERT_TRUE(CopyFileW((platform::ProgramFolder() + L"..\\launch_marker.exe").c_str(), program.c_str(), FALSE));
    wizards::ShortcutInfo source;
    source.targetPath = program;
    source.workingDir = work;
    source.arguments = L"TARGETDIR=\"C:\\a b\" /q";
    source.showState = wizards::kShowMaximized;
    const std::wstring sourceLink = folder.Path() + L"\\Marker.lnk";
    ASSERT_TRUE(wizards::SaveShellLink(sourceLink, source));

    const std::wstring shortcut = link_wizard_driver::MakeShortcutThroughTheWizard(sourceLink, 0, folder.Path());
    ASSERT_FALSE(shortcut.empty());
    ASSERT_TRUE(platform::ShellStart(shortcut, L"", L"", SW_SHOWNORMAL));

    // The note: command line, working folder and show command, one per line.
    const std::wstring note = WaitForNote(program);
    ASSERT_FALSE(note.empty());
    const std::size_t folderLine = note.find(L'\n') + 1;
    const std::size_t showLine = note.find(L'\n', folderLine) + 1;
    const std::wstring commandLine = note.substr(0, folderLine - 1);
    EXPECT_EQ(commandLine.substr(commandLine.size() - source.arguments.size() - 1), L" " + source.arguments)
        << std::string(commandLine.begin(), commandLine.end());
    EXPECT_EQ(note.substr(folderLine, showLine - folderLine - 1), work);
    EXPECT_EQ(note.substr(showLine), std::to_wstring(SW_SHOWMAXIMIZED));
}
