// The "-about" switch of the configurator program.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/win/support/test_support.h"

using namespace testing_support;

TEST(AboutSwitch, ShowsTheAboutBoxAndEndsWithZeroWhenItCloses) {
    DWORD id = 0;
    HANDLE process = StartProcess(L"\"" + ProductFolder() + L"TesslyMBCfg.exe\" -about", &id);
    ASSERT_NE(process, nullptr);
    HWND about = nullptr;
    for (int i = 0; i < 400 && !about; ++i) {
        about = FindWindowW(L"TAbout", L"[Tessly Dozidi Davazez] - About");
        if (!about) Sleep(50);
    }
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(FindWindowW(L"TFMCFGClass", nullptr), nullptr);  // only the box, no main window
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process);
}
