// Start-up driven in-process with recording parts. Kept in a program of its own: the
// instance guard a start creates stays open for the life of the process, as it does in the
// configurator, so only the first start in this process can be a first copy.
#include "app/startup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "service/status_block_view.h"
#include "ui/application.h"
#include "tests/win/support/test_support.h"

TEST(Startup, FirstCopyRunsEveryStepInOrder) {
    HANDLE existing = OpenEventW(SYNCHRONIZE, FALSE, app::kInstanceEventName);
    if (existing) CloseHandle(existing);
    ASSERT_EQ(existing, nullptr) << "another copy already holds the instance guard";
    testing_support::ResetSettingsKey();
    std::vector<std::string> steps;
    std::wstring languageFolder;
    app::StartupParts parts;
    parts.installErrorLogger = [&] { steps.push_back("logger"); };
    parts.initApplication = [&] { steps.push_back("application"); };
    parts.initLocalizer = [&](const std::wstring& folder, bool) {
        steps.push_back("localizer");
        languageFolder = folder;
    };
    parts.composeBugReport = [&] {
        steps.push_back("bugreport");
        return 0;
    };
    parts.runFirstRunWizard = [&] { steps.push_back("wizard"); };
    parts.runMainWindow = [&] {
        steps.push_back("main window");
        EXPECT_NE(statusblock::View(), nullptr);  // mapped before the main window exists
    };

    EXPECT_EQ(app::RunStartup(L"cfg.exe -Bugreport", parts), app::kExitOk);
    EXPECT_EQ(steps, (std::vector<std::string>{"logger", "application", "localizer", "wizard", "main window"}));
    ASSERT_GE(languageFolder.size(), 6u);
    EXPECT_EQ(languageFolder.substr(languageFolder.size() - 6), L"\\lang\\");
    EXPECT_EQ(app::LanguageFileName(), L"english");

    // The wizard ran because the flag was missing; the flag was created with its default.
    EXPECT_EQ(testing_support::ReadRawDword("CFGFirstWizardComplete"), 0);
}

TEST(Startup, AStoredLanguageNameThatIsNoPlainFileNameNamesTheEnglishHelp) {
    for (const wchar_t* hostile : {L"..\\..\\Windows\\Help\\any", L"C:\\x", L"\\\\server\\share\\x", L""}) {
        app::SetLanguageFileName(hostile);
        EXPECT_EQ(app::LanguageFileName(), L"english") << hostile;
    }
    app::SetLanguageFileName(L"Deutsch");
    EXPECT_EQ(app::LanguageFileName(), L"Deutsch");
    app::SetLanguageFileName(L"english");
}

TEST(Startup, TheHelpFollowsALanguageAnAdministratorFixedAndKeepsTheStoredName) {
    testing_support::ResetSettingsKey();
    testing_support::WriteRawValue("LangFileName", REG_SZ, L"english", 16);
    app::StartupParts parts;
    parts.fixedLanguageName = [] { return std::wstring(L"German"); };
    EXPECT_EQ(app::RunStartup(L"cfg.exe -about", parts), app::kExitFailed);  // no About box part
    EXPECT_EQ(app::LanguageFileName(), L"German");
    EXPECT_EQ(testing_support::ReadRawValue("LangFileName")->size(), 16u);
    app::SetLanguageFileName(L"english");
}

TEST(Startup, ASecondCopyExitsAtOnceButSwitchesStillAct) {
    // The other copy's guard.
    HANDLE firstCopy = CreateEventW(nullptr, FALSE, FALSE, app::kInstanceEventName);
    ASSERT_NE(firstCopy, nullptr);
    std::vector<std::string> steps;
    app::StartupParts parts;
    parts.runFirstRunWizard = [&] { steps.push_back("wizard"); };
    parts.runMainWindow = [&] { steps.push_back("main window"); };
    parts.showAboutBox = [&] { steps.push_back("about"); };
    parts.composeBugReport = [&] {
        steps.push_back("bugreport");
        return 0;
    };
    parts.composeTellAFriend = [&] {
        steps.push_back("tellfriend");
        return 0;
    };
    parts.composeUninstallFeedback = [&] {
        steps.push_back("uninstall");
        return 3;  // the mail program refused
    };

    EXPECT_EQ(app::RunStartup(L"cfg.exe", parts), app::kExitOk);
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(app::RunStartup(L"cfg.exe -Bugreport", parts), app::kExitOk);
    EXPECT_TRUE(steps.empty());

    EXPECT_EQ(app::RunStartup(L"cfg.exe -about", parts), app::kExitOk);
    EXPECT_EQ(app::RunStartup(L"cfg.exe -tellfriend -bugreport", parts), app::kExitOk);
    EXPECT_EQ(app::RunStartup(L"cfg.exe -uninstall", parts), app::kExitFailed);
    EXPECT_EQ(steps, (std::vector<std::string>{"about", "bugreport", "uninstall"}));
    CloseHandle(firstCopy);
}

TEST(Startup, ASwitchWhosePartIsMissingFails) {
    app::StartupParts none;
    EXPECT_EQ(app::RunStartup(L"cfg.exe -uninstall", none), app::kExitFailed);
    EXPECT_EQ(app::RunStartup(L"cfg.exe -tellfriend", none), app::kExitFailed);
}

TEST(Startup, AnExceptionFromAStepReachesTheApplicationsHookAndEndsTheRun) {
    std::vector<std::string> reported;
    ui::Application::Instance().SetExceptionHandler([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reported.push_back(e.what());
        }
    });
    app::StartupParts parts;
    parts.initApplication = [] { throw std::runtime_error("no window class"); };
    bool switchRan = false;
    parts.showAboutBox = [&] { switchRan = true; };
    EXPECT_EQ(app::RunStartup(L"cfg.exe -about", parts), app::kExitFailed);
    EXPECT_FALSE(switchRan);
    EXPECT_EQ(reported, std::vector<std::string>{"no window class"});

    parts.initApplication = nullptr;
    parts.showAboutBox = [] { throw std::runtime_error("no about box"); };
    EXPECT_EQ(app::RunStartup(L"cfg.exe -about", parts), app::kExitFailed);
    EXPECT_EQ(reported.back(), "no about box");
    ui::Application::Instance().SetExceptionHandler(nullptr);
}
