// The main window against the real booster service, which lies beside this test program as
// it lies beside the configurator in an installed copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/service/service_protocol.h"
#include "service/service_link.h"
#include "settings/ask_for_close.h"
#include "tests/win/app/main_window_rig.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/action_list.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"

using namespace testing_support;

namespace {

constexpr const wchar_t* kRunningText = L"Service is running. All the functions are avaliable.";
constexpr const wchar_t* kIdleText = L"Service is in idle mode. Auto Boost turned off.";
constexpr const wchar_t* kStoppedText = L"Service is stopped. Start the service first.";

// The window launches the service twice on creation; a launch that was still on its way
// when a test ended is swept up once all tests have run.
class ServiceSweep : public ::testing::Environment {
public:
    void TearDown() override { StopServicesSettled(5000); }
};
::testing::Environment* const g_sweep = ::testing::AddGlobalTestEnvironment(new ServiceSweep);

class MainWindowWithService : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        ResetSettingsKey();
    }
    void TearDown() override {
        window.reset();
        StopServicesSettled();
        ResetSettingsKey();
    }

    std::wstring StatusText() { return window->StatusBar->Panels()[1].Text(); }
    bool ShowsRunning() { return StatusText() == kRunningText && window->CommandMask() == 30; }

    // Sends a notification as the service does: its window handle minus 1.
    void Notify(int code, LPARAM from) { SendMessageW(window->Handle(), protocol::kCommandMessage, code, from); }
    LPARAM ServiceSignature() { return reinterpret_cast<LPARAM>(FindService()) - 1; }

    ui::FormPtr<TFMCFGClass> window;
};

}  // namespace

TEST_F(MainWindowWithService, StartsTheServiceAndFollowsEveryStateCommand) {
    window = CreateMainWindow();
    // The window starts the absent service and shows it running once it reports.
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    EXPECT_EQ(window->MBarBtn2->Caption(), L"Stop service");
    EXPECT_FALSE(window->MM_0105->Enabled());
    EXPECT_EQ(window->MM_0105->ImageIndex(), 1);
    EXPECT_EQ(window->MM_0106->ImageIndex(), 2);

    window->MM_0106->Click();  // pause
    EXPECT_EQ(StatusText(), kIdleText);
    EXPECT_EQ(window->CommandMask(), 29);
    EXPECT_EQ(window->MBarBtn2->Caption(), L"Start service");
    EXPECT_FALSE(window->MM_0106->Enabled());
    EXPECT_EQ(window->MM_0106->ImageIndex(), 3);

    window->MM_0105->Click();  // run
    EXPECT_TRUE(ShowsRunning());

    window->MM_0108->Click();  // restart keeps it running
    EXPECT_TRUE(ShowsRunning());

    window->StartService->Execute();  // the toggle reads "Stop service": stops it
    EXPECT_EQ(StatusText(), kStoppedText);
    EXPECT_EQ(window->CommandMask(), 1);
    EXPECT_TRUE(PumpUntil([] { return FindService() == nullptr; }));

    window->StartService->Execute();  // now "Start service": launched on demand
    EXPECT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
}

TEST_F(MainWindowWithService, BoostNotificationsDriveTheProgressPanel) {
    window = CreateMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    LPARAM from = ServiceSignature();

    Notify(100, from);
    EXPECT_EQ(window->BoostProgress(), 0);
    EXPECT_FALSE(window->QuickBoostNow->Enabled());
    EXPECT_FALSE(window->MM_0204->Enabled());
    Notify(150, from);
    EXPECT_EQ(window->BoostProgress(), 50);
    Notify(250, from);
    Notify(99, from);
    EXPECT_EQ(window->BoostProgress(), 50);
    Notify(170, from + 1);  // the service's own handle: not the rule, ignored
    EXPECT_EQ(window->BoostProgress(), 50);
    Notify(200, from);
    EXPECT_EQ(window->BoostProgress(), 0);
    EXPECT_TRUE(window->QuickBoostNow->Enabled());
    EXPECT_TRUE(window->MM_0204->Enabled());

    // A state notification changes the mask and text but not the toggle caption.
    Notify(1, from);
    EXPECT_EQ(StatusText(), kIdleText);
    EXPECT_EQ(window->MBarBtn2->Caption(), L"Stop service");
}

// Notification codes posted to this thread's windows, as the service sends them.
std::vector<WPARAM> g_notifications;

LRESULT CALLBACK RecordNotification(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && msg.message == protocol::kCommandMessage)
        g_notifications.push_back(msg.wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainWindowWithService, QuickBoostRunsInTheServiceAndReportsBack) {
    WriteRawDword("DlgQBoostNeverAsk", -1);
    window = CreateMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    g_notifications.clear();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, RecordNotification, nullptr, GetCurrentThreadId());
    window->QuickBoostNow->Execute();
    auto seen = [](WPARAM code) {
        return std::find(g_notifications.begin(), g_notifications.end(), code) != g_notifications.end();
    };
    EXPECT_TRUE(PumpUntil([&] { return seen(protocol::kBoostFinished); }));
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(seen(protocol::kBoostStarted));
    // After the end of the boost the panel is empty again and boosting is offered again.
    EXPECT_EQ(window->BoostProgress(), 0);
    EXPECT_TRUE(window->QuickBoostNow->Enabled());
    EXPECT_TRUE(window->MM_0204->Enabled());
}

// Waits until the window's two launches of the service have come to one running service,
// then stops it, so the tests below start with no service at all.
void SettleAndStop(TFMCFGClass& window) {
    PumpUntil([&] { return FindService() != nullptr && window.CommandMask() == 30; });
    PumpFor(1000);
    window.MM_0107->Click();
    PumpUntil([] { return FindService() == nullptr; });
}

TEST_F(MainWindowWithService, StoppingTheServiceDuringABoostEndsTheBoostState) {
    window = CreateMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    g_notifications.clear();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, RecordNotification, nullptr, GetCurrentThreadId());
    window->MM_0204->Click();  // scrap all
    ASSERT_TRUE(PumpUntil([&] { return window->BoostRunning() || !g_notifications.empty(); }));
    window->MM_0107->Click();
    EXPECT_TRUE(PumpUntil([] { return FindService() == nullptr; }));
    PumpFor(500);
    UnhookWindowsHookEx(hook);
    // Whether the boost was cut short or had just ended, its end was reported.
    auto count = [](WPARAM code) { return std::count(g_notifications.begin(), g_notifications.end(), code); };
    EXPECT_EQ(count(protocol::kBoostStarted), count(protocol::kBoostFinished));
    EXPECT_FALSE(window->BoostRunning());
    EXPECT_EQ(window->BoostProgress(), 0);
    EXPECT_TRUE(window->QuickBoostNow->Enabled());
    EXPECT_TRUE(window->MM_0204->Enabled());
    EXPECT_EQ(StatusText(), kStoppedText);

    // The same when the service reported the start but the stop comes before its end.
    window->StartService->Execute();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    Notify(protocol::kBoostStarted, ServiceSignature());
    Notify(150, ServiceSignature());
    ASSERT_TRUE(window->BoostRunning());
    window->MM_0107->Click();
    EXPECT_FALSE(window->BoostRunning());
    EXPECT_EQ(window->BoostProgress(), 0);
    EXPECT_TRUE(window->QuickBoostNow->Enabled());
}

TEST_F(MainWindowWithService, AServiceThatVanishesDuringABoostEndsTheBoostState) {
    window = CreateMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    PumpFor(1000);  // both launches settled
    HWND service = FindService();
    Notify(protocol::kBoostStarted, ServiceSignature());
    ASSERT_TRUE(window->BoostRunning());
    DWORD owner = 0;
    GetWindowThreadProcessId(service, &owner);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, owner);
    ASSERT_TRUE(process);
    TerminateProcess(process, 9);  // it never says goodbye
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
    EXPECT_TRUE(PumpUntil([&] { return !window->BoostRunning(); }));
    EXPECT_TRUE(window->QuickBoostNow->Enabled());
    EXPECT_EQ(window->CommandMask(), 1);
}

TEST_F(MainWindowWithService, ANotificationAfterTheServiceWindowIsGoneOnlyShowsTheStoppedState) {
    window = CreateMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr && ShowsRunning(); }));
    LPARAM from = ServiceSignature();
    SettleAndStop(*window);
    ASSERT_EQ(FindService(), nullptr);
    Notify(protocol::kBoostStarted, from);
    EXPECT_FALSE(window->BoostRunning());
    EXPECT_TRUE(window->QuickBoostNow->Enabled());
    Notify(protocol::kRunning, from);
    EXPECT_EQ(window->CommandMask(), 1);
    EXPECT_EQ(StatusText(), kStoppedText);
}

TEST_F(MainWindowWithService, ClosingWithNoServiceRunningStartsNone) {
    window = CreateMainWindow();
    SettleAndStop(*window);
    ASSERT_EQ(FindService(), nullptr);
    g_notifications.clear();
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, RecordNotification, nullptr, GetCurrentThreadId());
    WriteRawDword("DlgCloseNeverAsk", -1);
    window->Close();  // sends the stop, which finds nothing to stop
    EXPECT_FALSE(window->Visible());
    PumpFor(1500);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(FindService(), nullptr);
    // A service, once started, announces itself: none did.
    EXPECT_TRUE(g_notifications.empty());
}

TEST_F(MainWindowWithService, ClosingFollowsTheAnswerTheNeverAskFlagAndTheInstaller) {
    window = CreateMainWindow();
    ASSERT_TRUE(PumpUntil([&] { return FindService() != nullptr; }));

    // Asked, and answered by the title bar (cancel): the window and the service stay.
    RunWhenModal([] {
        for (ui::Form* f : ui::Form::OpenForms())
            if (f->Modal()) f->Close();
    });
    window->Close();
    StopRunWhenModal();
    EXPECT_TRUE(window->Visible());
    EXPECT_NE(FindService(), nullptr);

    // While the installer runs, closing neither asks nor stops the service.
    HANDLE installer = CreateMutexW(nullptr, FALSE, L"TesslyDozidiDavazezInstaller");
    window->Close();
    EXPECT_FALSE(window->Visible());
    EXPECT_NE(FindService(), nullptr);
    CloseHandle(installer);

    // Asked, and answered "Close": the service stops and the window closes.
    window->Show();
    RunWhenModal([] {
        for (ui::Form* f : ui::Form::OpenForms())
            if (auto* ask = dynamic_cast<TAskForClose*>(f)) ask->Button2->Click();
    });
    window->Close();
    StopRunWhenModal();
    EXPECT_FALSE(window->Visible());
    EXPECT_TRUE(PumpUntil([] { return FindService() == nullptr; }));

    // Never ask again: closing stops the service without a dialog.
    closeConfirmed = 0;
    window->StartService->Execute();
    ASSERT_TRUE(PumpUntil([] { return FindService() != nullptr; }));
    window->Show();
    WriteRawDword("DlgCloseNeverAsk", -1);
    window->Close();
    EXPECT_FALSE(window->Visible());
    EXPECT_TRUE(PumpUntil([] { return FindService() == nullptr; }));
}

// Ways of ending the program. Each runs in a child process of its own (they end the process
// or its message loop for good); the parent checks what they left behind.
class MainWindowEnding : public MainWindowWithService {};

TEST_F(MainWindowEnding, MinimisingEndsAtOnceWithoutSavingAndKeepsTheService) {
    WriteRawDword("CFGViewMenuState", 139 + 2048);  // a regular close would store 139
    EXPECT_EXIT(
        {
            window = CreateMainWindow();
            ui::Application::Instance().SetMainForm(window.get());
            PumpUntil([] { return FindService() != nullptr; });
            PostMessageW(window->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
            PumpFor(5000);
            std::exit(7);
        },
        ::testing::ExitedWithCode(0), ""
    );
    EXPECT_EQ(ReadRawDword("CFGViewMenuState"), 139 + 2048);
    EXPECT_NE(FindService(), nullptr);
}

TEST_F(MainWindowEnding, ExitStoresTheViewStateAndKeepsTheService) {
    EXPECT_EXIT(
        {
            window = CreateMainWindow();
            PumpUntil([] { return FindService() != nullptr; });
            window->Hide();
            RunWhenModal([this] {
                window->MM_0301->Click();  // hide the toolbar
                window->MM_0110->Click();
            });
            window->ShowModal();
            window.reset();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), ""
    );
    EXPECT_EQ(ReadRawDword("CFGViewMenuState"), 138);
    EXPECT_NE(FindService(), nullptr);
}

TEST_F(MainWindowEnding, StopServiceAndExitWithNoServiceLeavesNone) {
    EXPECT_EXIT(
        {
            window = CreateMainWindow();
            SettleAndStop(*window);
            g_notifications.clear();
            SetWindowsHookExW(WH_GETMESSAGE, RecordNotification, nullptr, GetCurrentThreadId());
            window->Hide();
            RunWhenModal([this] { window->MM_0109->Click(); });
            window->ShowModal();
            PumpFor(1500);
            // A service, once started, announces itself.
            std::exit(g_notifications.empty() && FindService() == nullptr ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), ""
    );
    PumpFor(1000);
    EXPECT_EQ(FindService(), nullptr);
}

TEST_F(MainWindowEnding, StopServiceAndExitEndsBoth) {
    EXPECT_EXIT(
        {
            window = CreateMainWindow();
            PumpUntil([] { return FindService() != nullptr; });
            window->Hide();
            RunWhenModal([this] { window->MM_0109->Click(); });
            window->ShowModal();
            window.reset();
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), ""
    );
    EXPECT_TRUE(PumpUntil([] { return FindService() == nullptr; }));
}

TEST_F(MainWindowWithService, AHotKeyHeldByAnotherProgramIsNamedInTheStatusBar) {
    // This test program takes the service's quick-boost key before the service starts.
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'F'));
    window = CreateMainWindow();
    const std::wstring taken = L"The hot key Ctrl+Alt+F is used by another program.";
    EXPECT_TRUE(PumpUntil([&] { return FindService() != nullptr && StatusText() == taken; }));
    UnregisterHotKey(nullptr, 7);
    // Once the key is free, a restart of the service registers it and the state is back.
    EXPECT_TRUE(service::RestartRunningService());
    EXPECT_TRUE(PumpUntil([&] { return ShowsRunning(); }));
}
