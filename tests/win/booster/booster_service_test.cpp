// The service program as the configurator sees it: its window, state commands, actions,
// notifications and the status block it keeps.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <vector>

#include "core/booster/block_header.h"
#include "core/service/service_protocol.h"
#include "core/service/status_block.h"
#include "service/status_block_view.h"
#include "tests/win/booster/configurator_stand_in.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/policy_values.h"
#include "tests/win/support/test_support.h"

using testing_support::PumpFor;
using testing_support::PumpUntil;

using namespace protocol;
using booster::HeaderWord;
using booster::ReadHeaderWord;
using statusblock::History;

namespace {

void PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *it;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class BoosterService : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        testing_support::ResetSettingsKey();
        testing_support::RemoveAllPolicies();
        testing_support::WriteRawDword("IconTimeRefresh", 0);  // a sample every second
        block_ = statusblock::OpenStatusBlock();
        ASSERT_NE(block_, nullptr);
        statusblock::ClearBlock(block_);  // nothing left from an earlier service
    }

    void TearDown() override {
        service_.Stop();
        StopAnyService();
        testing_support::RemoveAllPolicies();
    }

    HWND StartService() {
        if (!service_.Start()) return nullptr;
        return service_.WaitForWindow();
    }

    LPARAM FromService(HWND service) const { return reinterpret_cast<LPARAM>(service) - 1; }

    std::int32_t SampleCount() const { return ReadHeaderWord(block_, HeaderWord::SampleCount); }

    // All histories, read between two unchanged sample counts so no update is half seen.
    struct Snapshot {
        std::int32_t count;
        std::array<std::int32_t, statusblock::kHistoryLength> memory;
    };
    Snapshot Take() const {
        for (;;) {
            Snapshot s{SampleCount(), {}};
            for (int k = 0; k < statusblock::kHistoryLength; ++k)
                s.memory[k] = statusblock::ReadSample(block_, History::Memory, k);
            if (SampleCount() == s.count) return s;
        }
    }

    ServiceProcess service_;
    ConfiguratorStandIn configurator_;
    void* block_ = nullptr;
};

}  // namespace

TEST_F(BoosterService, StateCommandsReplyTheNewStateAndEveryChangeIsAnnounced) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    // Coming up is announced as running.
    ASSERT_TRUE(configurator_.WaitForCount(1));
    EXPECT_EQ(SendCommand(service, kQuery), kRunning);
    EXPECT_EQ(SendCommand(service, kPause), kIdle);
    EXPECT_EQ(SendCommand(service, kPause), kIdle);  // no change, no announcement
    EXPECT_EQ(SendCommand(service, kRun), kRunning);
    EXPECT_EQ(SendCommand(service, kRestart), kRunning);
    EXPECT_EQ(SendCommand(service, 7), kRunning);  // unknown command
    // A command that names another window changes nothing.
    EXPECT_EQ(SendMessageW(service, kCommandMessage, kPause, 0), kRunning);
    ASSERT_TRUE(configurator_.WaitForCount(3));
    PumpFor(500);
    EXPECT_EQ(configurator_.Codes(), (std::vector<WPARAM>{kRunning, kIdle, kRunning}));

    EXPECT_EQ(SendCommand(service, kStop), kStopped);
    EXPECT_TRUE(configurator_.WaitForCount(4));
    EXPECT_EQ(configurator_.Codes().back(), static_cast<WPARAM>(kStopped));
    EXPECT_EQ(service_.WaitForExit(), 0u);
    EXPECT_EQ(FindService(), nullptr);
    for (const auto& n : configurator_.Received()) EXPECT_EQ(n.lParam, FromService(service));
}

TEST_F(BoosterService, RestartRereadsTheSettingsAndKeepsAPausedServicePaused) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));  // announced once its settings are read
    EXPECT_EQ(ReadHeaderWord(block_, HeaderWord::RefreshSeconds), 1);
    // The service holds its default pause hot key, Ctrl+Alt+A.
    if (RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'A')) {
        UnregisterHotKey(nullptr, 1);
        ADD_FAILURE() << "Ctrl+Alt+A was free";
    }

    ASSERT_EQ(SendCommand(service, kPause), kIdle);
    testing_support::WriteRawDword("IconTimeRefresh", 4);  // 5 seconds
    testing_support::WriteRawDword("HotSleepKey", 0);      // no pause hot key
    EXPECT_EQ(SendCommand(service, kRestart), kIdle);
    EXPECT_EQ(ReadHeaderWord(block_, HeaderWord::RefreshSeconds), 5);
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'A'));
    UnregisterHotKey(nullptr, 1);
}

TEST_F(BoosterService, ASecondLaunchLeavesTheRunningServiceAsItWas) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_EQ(SendCommand(service, kPause), kIdle);
    ASSERT_TRUE(configurator_.WaitForCount(2));

    ServiceProcess second;
    ASSERT_TRUE(second.Start());
    EXPECT_EQ(second.WaitForExit(), 0u);
    PumpFor(500);
    EXPECT_EQ(CountServiceWindows(), 1);
    EXPECT_EQ(FindService(), service);
    EXPECT_EQ(SendCommand(service, kQuery), kIdle);
    EXPECT_EQ(configurator_.Received().size(), 2u);
}

TEST_F(BoosterService, HistoriesStayInRangeNewestFirstAndCurrent) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(PumpUntil([&] { return SampleCount() >= 3; }, 15000));
    EXPECT_EQ(ReadHeaderWord(block_, HeaderWord::ProcessId), static_cast<std::int32_t>(service_.ProcessId()));
    EXPECT_EQ(ReadHeaderWord(block_, HeaderWord::ServiceState), kRunning);

    Snapshot before = Take();
    ASSERT_TRUE(PumpUntil([&] { return SampleCount() > before.count; }, 10000));
    Snapshot after = Take();
    int pushed = after.count - before.count;
    ASSERT_GT(pushed, 0);
    ASSERT_LT(pushed, statusblock::kHistoryLength);
    // Each new sample went in at element 0 and moved the older ones along.
    for (int k = 0; k + pushed < statusblock::kHistoryLength; ++k)
        ASSERT_EQ(after.memory[k + pushed], before.memory[k]) << k;
    // Some memory is always in use.
    EXPECT_GT(after.memory[0], 0);
    EXPECT_LE(after.memory[0], 100);
    EXPECT_TRUE(statusblock::ValidateBlock(block_));
}

TEST_F(BoosterService, BoostActionsRunOffTheWindowThreadAndReportTheirProgress) {
    testing_support::WriteRawDword("QBoostMethod", 1);      // reclaim QBoostSize
    testing_support::WriteRawDword("QBoostSize", 4 << 20);  // 4 MB
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));

    for (int action : {kQuickBoost, kScrapAll}) {
        std::size_t from = configurator_.Received().size();
        ASSERT_TRUE(PostMessageW(service, kActionMessage, action, reinterpret_cast<LPARAM>(service)));
        // The window answers while the boost runs.
        EXPECT_EQ(SendCommand(service, kQuery), kRunning);
        ASSERT_TRUE(configurator_.WaitForCode(kBoostFinished, from)) << action;
        std::vector<WPARAM> codes = configurator_.Codes();
        codes.erase(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(from));
        EXPECT_EQ(codes.front(), static_cast<WPARAM>(kBoostStarted)) << action;
        EXPECT_EQ(codes.back(), static_cast<WPARAM>(kBoostFinished)) << action;
        for (std::size_t i = 1; i + 1 < codes.size(); ++i) {
            EXPECT_GE(codes[i], static_cast<WPARAM>(kBoostProgressFirst));
            EXPECT_LE(codes[i], static_cast<WPARAM>(kBoostProgressLast));
            EXPECT_GT(codes[i], codes[i - 1]);
        }
    }
    for (const auto& n : configurator_.Received()) EXPECT_EQ(n.lParam, FromService(service));
}

TEST_F(BoosterService, StoppingInTheMiddleOfABoostStillReportsItsEnd) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    // Handled one after the other: the stop comes while the boost has just begun.
    ASSERT_TRUE(PostMessageW(service, kActionMessage, kScrapAll, reinterpret_cast<LPARAM>(service)));
    ASSERT_TRUE(PostMessageW(service, WM_CLOSE, 0, 0));
    EXPECT_EQ(service_.WaitForExit(), 0u);
    PumpFor(500);
    std::vector<WPARAM> codes = configurator_.Codes();
    auto started = std::find(codes.begin(), codes.end(), static_cast<WPARAM>(kBoostStarted));
    // A boost that had not begun is dropped without a word; one that began reports its end.
    if (started != codes.end()) {
        EXPECT_NE(std::find(started, codes.end(), static_cast<WPARAM>(kBoostFinished)), codes.end());
    }
    EXPECT_NE(std::find(codes.begin(), codes.end(), static_cast<WPARAM>(kStopped)), codes.end());
}

TEST_F(BoosterService, EmptyClipboardEmptiesItWithoutABoost) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    ASSERT_TRUE(OpenClipboard(configurator_.Window()));
    EmptyClipboard();
    const wchar_t text[] = L"kept until the service empties it";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, memory));
    CloseClipboard();
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));

    ASSERT_TRUE(PostMessageW(service, kActionMessage, kEmptyClipboard, reinterpret_cast<LPARAM>(service)));
    EXPECT_TRUE(PumpUntil([] { return !IsClipboardFormatAvailable(CF_UNICODETEXT); }, 10000));
    PumpFor(500);
    EXPECT_EQ(configurator_.Received().size(), 1u);
}

TEST_F(BoosterService, ActionsForAnotherWindowOrUnknownOnesAreIgnored) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    PostMessageW(service, kActionMessage, kScrapAll, 0);
    PostMessageW(service, kActionMessage, 9, reinterpret_cast<LPARAM>(service));
    PumpFor(1500);
    EXPECT_EQ(configurator_.Received().size(), 1u);
    EXPECT_EQ(SendCommand(service, kQuery), kRunning);
}

TEST_F(BoosterService, EmergencyPassesRunOnlyWhileAutomaticOptimisationIsOn) {
    testing_support::WriteRawDword("OnTimeFree", 0);
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    ASSERT_EQ(SendCommand(service, kPause), kIdle);
    // Available memory is always below 100 %: an emergency level there is always reached.
    testing_support::WriteRawDword("MemMinFree", -1);
    testing_support::WriteRawDword("MemMinFreeSize", 99);  // 100 %
    testing_support::WriteRawDword("MemMinCPUBusyDetect", 0);
    ASSERT_EQ(SendCommand(service, kRestart), kIdle);
    PumpFor(3000);
    EXPECT_EQ(configurator_.Codes(), (std::vector<WPARAM>{kRunning, kIdle}));

    ASSERT_EQ(SendCommand(service, kRun), kRunning);
    EXPECT_TRUE(configurator_.WaitForCode(kBoostStarted, 2));
    EXPECT_TRUE(configurator_.WaitForCode(kBoostFinished, 2));
}

TEST_F(BoosterService, OddSettingsAndTrayTextsNeitherStopNorConfuseIt) {
    testing_support::WriteRawDword("IconTimeRefresh", -7);  // decodes below the range
    testing_support::WriteRawDword("IconViewStyle", 1234);
    testing_support::WriteRawDword("HotFreeKey", 0x7FFFFFFF);
    testing_support::WriteRawDword("OnTimeCPUBusySec", -100);
    testing_support::WriteRawValue("LangTrayPack", REG_BINARY, "%s%s%n%x%p", 10);
    std::string huge(100000, '\x01');
    testing_support::WriteRawValue("LangPack", REG_BINARY, huge.data(), static_cast<DWORD>(huge.size()));
    testing_support::WriteRawValue("LangInetPack", REG_DWORD, "\0\0\0\0", 4);
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    EXPECT_EQ(ReadHeaderWord(block_, HeaderWord::RefreshSeconds), 1);
    ASSERT_TRUE(PumpUntil([&] { return SampleCount() >= 2; }, 10000));
    EXPECT_TRUE(statusblock::ValidateBlock(block_));
    EXPECT_EQ(SendCommand(service, kQuery), kRunning);
}

TEST_F(BoosterService, ThePauseHotKeyTogglesAutomaticOptimisation) {
    testing_support::WriteRawDword("HotSleepKey", 0x6000 | 'P');  // Ctrl+Shift+P
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    PressChord({VK_CONTROL, VK_SHIFT, 'P'});
    ASSERT_TRUE(configurator_.WaitForCount(2));
    EXPECT_EQ(SendCommand(service, kQuery), kIdle);
    PressChord({VK_CONTROL, VK_SHIFT, 'P'});
    ASSERT_TRUE(configurator_.WaitForCount(3));
    EXPECT_EQ(configurator_.Codes(), (std::vector<WPARAM>{kRunning, kIdle, kRunning}));
}

// Whether no program holds the hot key now.
bool HotKeyFree(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 1, modifiers, key)) return false;
    UnregisterHotKey(nullptr, 1);
    return true;
}

TEST_F(BoosterService, AnAdministratorsHotKeyIsTheOneRegisteredTheMachinesFirst) {
    testing_support::WriteRawDword("HotSleepKey", 0x6000 | 'Q');  // the user's own: Ctrl+Shift+Q
    testing_support::ScopedPolicy user(HKEY_CURRENT_USER, "HotSleepKey", L"Ctrl+Shift+O");
    auto machine = std::make_unique<testing_support::ScopedPolicy>(HKEY_LOCAL_MACHINE, "HotSleepKey", L"Ctrl+Shift+P");
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    EXPECT_FALSE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'P'));
    EXPECT_TRUE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'O'));
    EXPECT_TRUE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'Q'));
    PressChord({VK_CONTROL, VK_SHIFT, 'P'});
    ASSERT_TRUE(configurator_.WaitForCount(2));
    EXPECT_EQ(SendCommand(service, kQuery), kIdle);

    // Once the machine's policy goes, the user's policy is in force as soon as the policies are
    // refreshed; without any, the user's own key.
    machine.reset();
    SendMessageW(service, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"));
    EXPECT_FALSE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'O'));
    EXPECT_TRUE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'P'));
    testing_support::RemoveAllPolicies();
    SendCommand(service, kRestart);
    EXPECT_FALSE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'Q'));
    EXPECT_TRUE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'O'));
    EXPECT_EQ(testing_support::ReadRawDword("HotSleepKey"), 0x6000 | 'Q');
}

TEST_F(BoosterService, TheManagerHotKeyBringsBackAnOpenConfigurator) {
    HWND service = StartService();
    ASSERT_TRUE(service);
    ASSERT_TRUE(configurator_.WaitForCount(1));
    ShowWindow(configurator_.Window(), SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(configurator_.Window()));
    PressChord({VK_CONTROL, VK_MENU, 'H'});  // the default, Ctrl+Alt+H
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(configurator_.Window()); }, 10000));
    EXPECT_TRUE(IsWindowVisible(configurator_.Window()));
}
