// The configurator program itself on a first start: the first-run wizard, then the
// configuration wizard or not, then the main window; driven from outside as a user would.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

namespace {

std::wstring Configurator() { return L"\"" + ProductFolder() + L"TesslyMBCfg.exe\""; }

HWND ShownWindowOfClass(const wchar_t* className) {
    HWND window = FindWindowW(className, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

// The main window exists, hidden, while it runs the configuration wizard; shown counts.
HWND WaitForWindowOfClass(const wchar_t* className) {
    HWND window = nullptr;
    for (int i = 0; i < 400 && !window; ++i) {
        window = ShownWindowOfClass(className);
        if (!window) Sleep(50);
    }
    return window;
}

struct ButtonSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    wchar_t text[64] = {};
    GetWindowTextW(child, text, 64);
    if (search->caption == text && IsWindowVisible(child)) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

std::string VerbCommand() {
    char data[1024] = {};
    DWORD size = sizeof data;
    RegGetValueA(HKEY_CLASSES_ROOT, "*\\shell\\TesslyDavIdade\\command", nullptr, RRF_RT_REG_SZ, nullptr, data, &size);
    return data;
}

// Clicks the shown button of that caption in another process's window.
bool Click(HWND window, const std::wstring& caption) {
    ButtonSearch search{caption};
    EnumChildWindows(window, MatchButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    SendMessageW(search.found, BM_CLICK, 0, 0);
    return true;
}

class FirstStart : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSettingsKey();
        process_ = StartProcess(Configurator());
        ASSERT_TRUE(process_);
    }
    void TearDown() override {
        if (process_) {
            TerminateProcess(process_, 0);
            WaitForSingleObject(process_, 10000);
            CloseHandle(process_);
        }
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
    std::string command(1, '"');
    command += platform::Narrow(ProductFolder()) + "TesslyMBsrv.exe\" \"-1\" \"s\" \"%1\"";
    EXPECT_EQ(VerbCommand(), command);
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
