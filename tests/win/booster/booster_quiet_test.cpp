// The service holds its automatic passes back while a program shows full screen or a
// program of the quiet list runs, and takes them up again afterwards; it says why in its
// health record, which the configurator shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/service/service_protocol.h"
#include "service/health_mapping.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"

using testing_support::PumpFor;
using testing_support::PumpUntil;
using namespace protocol;

namespace {

class QuietService : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        testing_support::ResetSettingsKey();
        testing_support::WriteRawDword("OnTimeCPUBusyDetect", 0);
        testing_support::WriteRawDword("MemMinCPUBusyDetect", 0);
        health_ = service::OpenHealthMapping();
        ASSERT_NE(health_, nullptr);
    }
    void TearDown() override {
        service_.Stop();
        StopAnyService();
    }

    bool BoostedSince(std::size_t from) {
        auto codes = configurator_.Codes();
        return std::find(codes.begin() + static_cast<std::ptrdiff_t>(std::min(from, codes.size())), codes.end(),
                         static_cast<WPARAM>(kBoostStarted)) != codes.end();
    }
    booster::QuietReason Quiet() {
        auto health = service::ReadHealthRecord(health_);
        return health ? health->quiet : booster::QuietReason::None;
    }

    ServiceProcess service_;
    ConfiguratorStandIn configurator_;
    std::uint8_t* health_ = nullptr;
};

std::wstring TestsFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, n);
    return self.substr(0, self.find_last_of(L'\\') + 1);
}

// A borderless window over the whole screen in front, as a game or a slide show shows.
HWND CoverTheScreen() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuietTestFullScreen";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(
        WS_EX_TOPMOST, windowClass.lpszClassName, L"Full screen", WS_POPUP | WS_VISIBLE, 0, 0,
        GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, windowClass.hInstance, nullptr
    );
    SetForegroundWindow(window);
    return window;
}

}  // namespace

TEST_F(QuietService, ADueTimedFreeWaitsWhileAProgramShowsFullScreen) {
    testing_support::WriteRawDword("OnTimeFree", -1);
    testing_support::WriteRawDword("OnTimeFreeSec", 0);  // the shortest interval, 30 seconds
    testing_support::WriteRawDword("MemMinFree", 0);
    HWND screen = CoverTheScreen();
    ASSERT_TRUE(screen);
    ASSERT_EQ(GetForegroundWindow(), screen);
    ASSERT_TRUE(service_.Start());
    ASSERT_TRUE(service_.WaitForWindow());
    ASSERT_TRUE(configurator_.WaitForCount(1));
    EXPECT_TRUE(PumpUntil([&] { return Quiet() == booster::QuietReason::FullScreen; }, 10000));
    PumpFor(35000);  // the timed free fell due meanwhile
    EXPECT_FALSE(BoostedSince(0));
    // A quick boost the user asks for still runs.
    std::size_t before = configurator_.Codes().size();
    PostMessageW(FindService(), kActionMessage, kQuickBoost, reinterpret_cast<LPARAM>(FindService()));
    EXPECT_TRUE(configurator_.WaitForCode(kBoostFinished, before));

    DestroyWindow(screen);
    std::size_t after = configurator_.Codes().size();
    EXPECT_TRUE(PumpUntil([&] { return Quiet() == booster::QuietReason::None; }, 10000));
    EXPECT_TRUE(PumpUntil([&] { return BoostedSince(after); }, 15000));
}

TEST_F(QuietService, AnEmergencyPassWaitsWhileAListedProgramRuns) {
    testing_support::WriteRawDword("OnTimeFree", 0);
    // Available memory is always below 100 %: the emergency level is always reached.
    testing_support::WriteRawDword("MemMinFree", -1);
    testing_support::WriteRawDword("MemMinFreeSize", 99);
    const char listed[] = "other.exe;QUIET_MARKER.exe";
    testing_support::WriteRawValue("QuietPrograms", REG_SZ, listed, sizeof listed);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION marker{};
    std::wstring path = TestsFolder() + L"quiet_marker.exe";
    ASSERT_TRUE(CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &marker));
    ASSERT_TRUE(service_.Start());
    ASSERT_TRUE(service_.WaitForWindow());
    ASSERT_TRUE(configurator_.WaitForCount(1));
    EXPECT_TRUE(PumpUntil([&] { return Quiet() == booster::QuietReason::ListedProgram; }, 10000));
    auto health = service::ReadHealthRecord(health_);
    ASSERT_TRUE(health);
    EXPECT_EQ(health->quietProgram, L"QUIET_MARKER.exe");
    PumpFor(4000);
    EXPECT_FALSE(BoostedSince(0));

    TerminateProcess(marker.hProcess, 0);
    WaitForSingleObject(marker.hProcess, 5000);
    CloseHandle(marker.hProcess);
    CloseHandle(marker.hThread);
    EXPECT_TRUE(PumpUntil([&] { return BoostedSince(0); }, 15000));
    EXPECT_EQ(Quiet(), booster::QuietReason::None);
}
