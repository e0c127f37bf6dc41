// The program as a standard user runs an installed copy: from a folder whose name has spaces
// and characters outside the system's code page, which the user may not write to. This test
// program lies in that folder beside the configurator and the service
// (tools/installed-copy-test.sh puts it there and runs it as a user without rights to it).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>

#include "app/exception_handler.h"
#include "app/main_window.h"
#include "core/app/error_record.h"
#include "core/service/service_protocol.h"
#include "core/settings/settings_table.h"
#include "localizer/localizer_on_fly.h"
#include "platform/data_folder.h"
#include "platform/launch.h"
#include "platform/program_folder.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "settings/options_window.h"
#include "tests/win/app/main_window_rig.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/service/fake_service.h"
#include "tests/win/settings/settings_window_driver.h"
#include "tests/win/support/remote_window.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "tests/win/wizards/link_files.h"
#include "tests/win/wizards/link_wizard_driver.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "ui/menu.h"
#include "wizards/shell_link.h"

using namespace testing_support;
using platform::RegistryKey;

namespace {

std::wstring Folder() { return platform::ProgramFolder(); }

std::string ReadAll(const std::wstring& file) {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The configurator of this folder on a machine set up before.
class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        StopServicesSettled();
        ResetToConfiguredMachine();
    }
    void TearDown() override {
        EndProcess(process_);
        StopServicesSettled();
        ResetSettingsKey();
    }

    HWND Start() {
        process_ = StartProcess(L"\"" + Folder() + L"TesslyMBCfg.exe\"", &processId_);
        return process_ ? WaitForWindowOfClass(L"TFMCFGClass") : nullptr;
    }

    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

// The configurator's main window in this process, its localizer reading the language files
// of this folder as the program's own (the same build stamp), with a stand-in service.
class InstalledMainWindow : public InstalledProgram {
protected:
    void SetUp() override {
        InstalledProgram::SetUp();  // ends every service, so the stand-in comes after
        service_.emplace(FakeService::Mode::kAnswer, protocol::kRunning);
        localizer::KLocalizerOnFly& localizer = localizer::Localizer();
        localizer.ProgramFile = Folder() + L"TesslyMBCfg.exe";
        localizer.Init(platform::AsciiName(settings::kSettingsKeyPath), Folder() + L"lang\\");
        window = CreateMainWindow();
    }
    void TearDown() override {
        window.reset();
        service_.reset();
        InstalledProgram::TearDown();
    }

    // The Language menu's item: the program's own language first, the others by name
    // (English, French, German, Russian, Ukrainian).
    ui::MenuItem& Language(std::size_t position) { return *window->Language1->Items().at(position); }

    std::optional<FakeService> service_;
    ui::FormPtr<TFMCFGClass> window;
};

}  // namespace

TEST(InstalledFolder, IsNamedOutsideTheCodePageWithSpacesAndCannotBeWritten) {
    const std::wstring folder = Folder();
    EXPECT_NE(folder.find(L' '), std::wstring::npos);
    EXPECT_NE(folder.find(L'Ω'), std::wstring::npos);
    const std::wstring probe = folder + L"probe.tmp";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        DeleteFileW(probe.c_str());
    }
    ASSERT_EQ(file, INVALID_HANDLE_VALUE) << "the folder must not be writable for this test to mean anything";
    std::cout << "program folder: " << platform::ToUtf8(folder) << std::endl;
}

// After an update the language module is made again at the first start; it goes to the
// user's data folder, so the stored choice holds.
TEST_F(InstalledProgram, StartsInTheStoredLanguageWithoutAnError) {
    const std::wstring module = platform::UserDataFolder() + L"TesslyMBCfg.DEU";
    DeleteFileW(module.c_str());
    const auto key = RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath));
    key.WriteString(L"LocalizerExt", L"DEU");
    ASSERT_TRUE(Start());
    EXPECT_EQ(WaitForMessageBox(processId_, 1500), nullptr) << "an error box at start";
    EXPECT_TRUE(std::filesystem::exists(module));
    EXPECT_EQ(key.ReadString(L"LocalizerExt"), L"DEU");
}

TEST_F(InstalledMainWindow, TheLanguageMenuSwitchesToGermanAndBack) {
    const std::wstring module = platform::UserDataFolder() + L"TesslyMBCfg.DEU";
    DeleteFileW(module.c_str());
    ASSERT_EQ(window->Language1->Items().size(), 5u);
    ASSERT_EQ(Language(2).Caption(), L"German");
    Language(2).Click();
    EXPECT_EQ(window->MM_01->Caption(), L"&Datei");
    EXPECT_TRUE(std::filesystem::exists(module));
    const auto key = RegistryKey::Open(HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath));
    EXPECT_EQ(key.ReadString(L"LocalizerExt"), L"DEU");
    Language(0).Click();
    EXPECT_EQ(window->MM_01->Caption(), L"&File");
    EXPECT_EQ(key.ReadString(L"LocalizerExt"), L"EXE");
    std::cout << "module: " << platform::ToUtf8(module) << std::endl;
}

TEST_F(InstalledMainWindow, AFailureIsLoggedInTheUsersDataFolder) {
    const std::wstring log = platform::UserDataFolder() + L"errorlog.txt";
    DeleteFileW(log.c_str());
    TglExceptionHandler logger;
    logger.SetLogFileName(app::kErrorLogName);
    logger.SetOptions(TglExceptionHandler::kStartupOptions | TglExceptionHandler::kQuiet);
    logger.SetActive(true);
    // The Ukrainian language file of this copy is damaged after its header; the failure
    // takes the way of every failure in a menu command.
    ASSERT_EQ(Language(4).Caption(), L"Ukrainian");
    try {
        Language(4).Click();
    } catch (...) {
        ui::HandleException();
    }
    const std::string record = ReadAll(log);
    EXPECT_NE(record.find("##################### exception log record"), std::string::npos);
    EXPECT_NE(record.find("ExceptionMessage="), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Folder() + L"errorlog.txt"));
    EXPECT_EQ(window->MM_01->Caption(), L"&File");  // still in its own language
}

TEST_F(InstalledProgram, FirstRunWizardRegistersTheVerbWithTheServicesExactPath) {
    ResetSettingsKey();
    process_ = StartProcess(L"\"" + Folder() + L"TesslyMBCfg.exe\"", &processId_);
    HWND wizard = WaitForWindowOfClass(L"TFirstWiz");
    ASSERT_TRUE(wizard);
    EXPECT_TRUE(Click(wizard, L"&Next >"));
    EXPECT_TRUE(Click(wizard, L"Add \"Open Boosted\" to Windows Explorer context menu"));
    EXPECT_TRUE(Click(wizard, L"&Next >"));
    ASSERT_TRUE(Click(wizard, L"&Finish"));
    ASSERT_TRUE(WaitForWindowOfClass(L"TConfigWiz"));
    const auto command =
        RegistryKey::Open(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shell\\TesslyDavIdade\\command").ReadString(L"");
    EXPECT_EQ(command, L"\"" + Folder() + L"TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
    std::cout << "verb command: " << platform::ToUtf8(command.value_or(L"(none)")) << std::endl;
}

TEST_F(InstalledProgram, TheOptionsWindowsAutostartNamesTheServiceExactly) {
    InitializeKit();
    const std::wstring name = platform::AsciiName(settings::kRunValueName);
    RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kRunKeyPath)).DeleteValue(name);
    auto window = ui::CreateForm<TOptWnd>();
    ShowModalAndDo(*window, [&] {
        Tick(*window->Cb211);
        Press(*window->Button3);
    });
    const auto command = RegistryKey::Open(HKEY_CURRENT_USER, platform::AsciiName(settings::kRunKeyPath)).ReadString(name);
    EXPECT_EQ(command, L"\"" + Folder() + L"TesslyMBsrv.exe\" -logon");
    std::cout << "Run value: " << platform::ToUtf8(command.value_or(L"(none)")) << std::endl;
    RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kRunKeyPath)).DeleteValue(name);
}

TEST_F(InstalledProgram, AShortcutStartsAProgramInAFolderOutsideTheCodePageThroughTheService) {
    InitializeKit();
    link_files::ScratchFolder folder(L"Ярлык Ω");
    const std::wstring programs = folder.Path() + L"\\Программы Ω";
    CreateDirectoryW(programs.c_str(), nullptr);
    const std::wstring program = programs + L"\\launch_marker.exe";
    ASSERT_TRUE(CopyFileW((Folder() + L"launch_marker.exe").c_str(), program.c_str(), FALSE));

    const std::wstring shortcut = link_wizard_driver::MakeShortcutThroughTheWizard(program, 16, folder.Path());
    ASSERT_FALSE(shortcut.empty());
    const auto made = wizards::ReadShellLink(shortcut);
    ASSERT_TRUE(made);
    ASSERT_EQ(made->targetPath, Folder() + L"TesslyMBsrv.exe");
    // Started as the shell starts a shortcut. (This system's shell reads a shortcut's target
    // in the code page only, so it cannot open this one itself.)
    ASSERT_TRUE(platform::StartProgram(made->targetPath, made->arguments, made->workingDir));
    std::wstring note;
    PumpUntil([&] { return !(note = link_files::ReadWideText(program + L".ran")).empty(); }, 20000);
    EXPECT_NE(note.find(program), std::wstring::npos) << note;
    EXPECT_NE(note.find(L"\n" + programs), std::wstring::npos) << note;  // started in its own folder
    std::cout << "shortcut: " << platform::ToUtf8(shortcut) << "\ntarget: " << platform::ToUtf8(made->targetPath)
              << "\narguments: " << platform::ToUtf8(made->arguments) << "\nnote: " << platform::ToUtf8(note) << std::endl;
}
