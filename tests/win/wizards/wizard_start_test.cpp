// The configurator program itself on a first start: the first-run wizard, then the
// configuration wizard or not, then the main window; driven from outside as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/registry.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/remote_window.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

namespace {

std::wstring Configurator() { return L"\"" + ProductFolder() + L"TesslyMBCfg.exe\""; }

std::wstring VerbCommand() {
    return platform::RegistryKey::Open(HKEY_CURRENT_USER, L"Software\\Classes\\*\\shell\\TesslyDavIdade\\command")
        .ReadString(L"")
        .value_or(L"");
}

class FirstStart : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSettingsKey();
        process_ = StartProcess(Configurator());
        ASSERT_TRUE(process_);
    }
    void TearDown() override {
        EndProcess(process_);
        StopServicesSettled();
    }

    // Through the first-run wizard to its last page.
    HWND ToLastPage() {
        HWND wizard = WaitForWindowOfClass(L"TFirstWiz");
        EXPECT_TRUE(wizard);
        EXPECT_TRUE(Click(wizard, L"&Next >"));
        EXPECT_TRUE(Click(wizard, L"&Next >"));
        return wizard;
    }

    HANDLE process_ = nullptr;
};

}  // namespace

TEST_F(FirstStart, FinishLeadsToTheConfigurationWizardAndThenTheMainWindow) {
    HWND wizard = WaitForWindowOfClass(L"TFirstWiz");
    ASSERT_TRUE(wizard);
    EXPECT_TRUE(Click(wizard, L"&Next >"));
    EXPECT_TRUE(Click(wizard, L"Add \"Open Boosted\" to Windows Explorer context menu"));
    EXPECT_TRUE(Click(wizard, L"&Next >"));
    EXPECT_EQ(ShownWindowOfClass(L"TFMCFGClass"), nullptr);
    ASSERT_TRUE(Click(wizard, L"&Finish"));
    HWND configuration = WaitForWindowOfClass(L"TConfigWiz");
    ASSERT_TRUE(configuration);
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
    EXPECT_EQ(VerbCommand(), L"\"" + ProductFolder() + L"TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"");
    for (int page = 0; page < 3; ++page) EXPECT_TRUE(Click(configuration, L"&Next >"));
    ASSERT_TRUE(Click(configuration, L"&Finish"));
    EXPECT_TRUE(WaitForWindowOfClass(L"TFMCFGClass"));
    EXPECT_EQ(ReadRawDword("CFGConfigWizardComplete"), -1);
    EXPECT_EQ(ReadRawDword("DefragPassesNum"), -1);
}

TEST_F(FirstStart, CancelOnTheLastPageSkipsTheConfigurationWizardThisTime) {
    HWND wizard = ToLastPage();
    ASSERT_TRUE(Click(wizard, L"Cancel"));
    bool configurationShown = false;
    HWND main = nullptr;
    for (int i = 0; i < 400 && !main; ++i) {
        configurationShown = configurationShown || ShownWindowOfClass(L"TConfigWiz");
        main = ShownWindowOfClass(L"TFMCFGClass");
        if (!main) Sleep(50);
    }
    EXPECT_TRUE(main);
    EXPECT_FALSE(configurationShown);
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), -1);
    EXPECT_EQ(ReadRawDword("CFGConfigWizardComplete"), 0);
}
