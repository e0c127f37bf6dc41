// The configurator program itself, started as a user would start it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/win/booster/service_process.h"
#include "tests/win/service/fake_service.h"
#include "tests/win/support/test_support.h"

using namespace testing_support;

namespace {

std::wstring Configurator() { return L"\"" + ProductFolder() + L"TesslyMBCfg.exe\""; }

// Starts the configurator, waits for its main window, then ends it and the service it started.
bool RunUntilMainWindow() {
    HANDLE process = StartProcess(Configurator());
    if (!process) return false;
    bool shown = false;
    for (int i = 0; i < 400 && !shown; ++i) {
        shown = FindWindowW(L"TFMCFGClass", nullptr) != nullptr;
        if (!shown) Sleep(50);
    }
    EndProcess(process);
    StopServicesSettled();
    return shown;
}

std::string RawText(const char* name, DWORD expectedType) {
    DWORD type = 0;
    auto data = ReadRawValue(name, &type);
    if (!data) return "(missing)";
    if (type != expectedType) return "(wrong type)";
    return std::string(data->begin(), data->end());
}

}  // namespace

TEST(ConfiguratorProcess, FirstStartCreatesTheLanguageValuesAndTheServiceTexts) {
    ResetSettingsKey();
    HANDLE process = StartProcess(Configurator());
    ASSERT_TRUE(process);
    // The first-run wizard comes first.
    bool wizard = false;
    for (int i = 0; i < 400 && !wizard; ++i) {
        wizard = FindWindowW(L"TFirstWiz", nullptr) != nullptr;
        if (!wizard) Sleep(50);
    }
    EndProcess(process);
    ASSERT_TRUE(wizard);
    EXPECT_EQ(RawText("LangFileName", REG_SZ), std::string("english") + '\0');  // with its terminator
    EXPECT_EQ(ReadRawDword("CFGFirstWizardComplete"), 0);
    EXPECT_EQ(
        RawText("LangPack", REG_BINARY),
        "Configure...\r\nFree buffer\r\nFree Maximum Memory\r\nAuto RAM defrag\r\nInternet\r\nAbout\r\nExit\r\n\r\n"
    );
    EXPECT_EQ(RawText("LangInetPack", REG_BINARY), "Visit site\r\nTell a friend\r\nSend feedback\r\n\r\n");
    EXPECT_EQ(RawText("LangTrayPack", REG_BINARY), "[Tessly Dozidi Davazez]   Memory : %d %%,  Processor : %d %%");
}

TEST(ConfiguratorProcess, AStoredLanguageIsKeptAndTheTextsRewrittenAtEveryStart) {
    ResetToConfiguredMachine();
    WriteRawValue("LangFileName", REG_SZ, "deutsch?", 7);  // no terminator, as earlier versions stored it
    WriteRawValue("LangPack", REG_BINARY, "stale", 5);
    ASSERT_TRUE(RunUntilMainWindow());
    EXPECT_EQ(RawText("LangFileName", REG_SZ), "deutsch");
    EXPECT_EQ(RawText("LangPack", REG_BINARY).substr(0, 14), "Configure...\r\n");
}

TEST(ConfiguratorProcess, ASecondCopyExitsWithCodeZero) {
    ResetToConfiguredMachine();
    // This process holds the instance guard, as a running first copy would.
    HANDLE guard = CreateEventW(nullptr, FALSE, FALSE, L"TesslyMBCfgMutex");
    ASSERT_TRUE(guard);
    EXPECT_EQ(RunAndWait(Configurator()), 0u);
    EXPECT_EQ(RunAndWait(Configurator() + L" -Bugreport"), 0u);  // not a switch
    // Start-up still published the service's texts before it gave way.
    EXPECT_EQ(RawText("LangInetPack", REG_BINARY), "Visit site\r\nTell a friend\r\nSend feedback\r\n\r\n");
    CloseHandle(guard);
}

TEST(ConfiguratorProcess, AHungServiceDelaysTheMainWindowByOneBoundedWaitAtMost) {
    ResetToConfiguredMachine();
    auto hung = std::make_unique<FakeService>(FakeService::Mode::kHang, 2);
    ULONGLONG start = GetTickCount64();
    HANDLE process = StartProcess(Configurator());
    ASSERT_TRUE(process);
    // Up and answering: its window exists and handles a message sent to it.
    bool answering = false;
    while (!answering && GetTickCount64() - start < 15000) {
        HWND window = FindWindowW(L"TFMCFGClass", nullptr);
        DWORD_PTR result = 0;
        answering = window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 200, &result);
        if (!answering) Sleep(20);
    }
    ULONGLONG elapsed = GetTickCount64() - start;
    EndProcess(process);
    hung.reset();
    // The window launched the real service on its way up; wait for it, then stop it.
    PumpUntil([] { return FindService() != nullptr; }, 10000);
    StopServicesSettled();
    EXPECT_TRUE(answering);
    EXPECT_LT(elapsed, 5000u);
}

TEST(ConfiguratorProcess, EachSwitchEndsTheProgramWithoutTheMainWindow) {
    ResetToConfiguredMachine();
    // "-about" waits for its box to be closed: about_switch_test covers it.
    for (const wchar_t* option : {L" -bugreport", L" -uninstall", L" -tellfriend"}) {
        std::optional<DWORD> code = RunAndWait(Configurator() + option);
        ASSERT_TRUE(code.has_value()) << "still running after" << option;
        EXPECT_EQ(*code, 1000u) << option;  // this run has no mail library
        EXPECT_EQ(FindWindowW(L"TFMCFGClass", nullptr), nullptr);
        EXPECT_EQ(FindService(), nullptr);  // no main window, so no service was started
    }
}
