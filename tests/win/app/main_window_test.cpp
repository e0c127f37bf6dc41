// The main window with no service program beside it, as on a machine where the service is
// missing, and its persisted view state.
#include <windows.h>

#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "app/context_help.h"
#include "app/startup.h"
#include "controls/about_box.h"
#include "controls/msc_graph.h"
#include "core/service/service_protocol.h"
#include "help/help_context.h"
#include "platform/program_folder.h"
#include "platform/text.h"
#include "settings/options_window.h"
#include "tests/win/app/main_window_rig.h"
#include "tests/win/booster/service_process.h"
#include "tests/win/service/fake_service.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/action_list.h"
#include "ui/application.h"
#include "ui/button.h"
#include "ui/form_loader.h"
#include "ui/menu.h"
#include "ui/status_bar.h"
#include "ui/timer.h"
#include "wizards/config_wiz.h"
#include "wizards/first_wiz.h"
#include "ui/tool_bar.h"

using namespace testing_support;

namespace {

constexpr const wchar_t* kStoppedText = L"Service is stopped. Start the service first.";

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        StopAnyService();
        ResetSettingsKey();
    }
    void TearDown() override {
        window.reset();
        ResetSettingsKey();
    }

    // Creates the window, closes it again and returns the view state it stored.
    std::int32_t StoredViewStateAfterRun() {
        window.reset();
        return ReadRawDword("CFGViewMenuState").value_or(-12345);
    }

    ui::FormPtr<TFMCFGClass> window;
};

}  // namespace

TEST_F(MainWindow, WithoutAServiceEveryCommandReportsStoppedAndTheWindowStaysUsable) {
    window = CreateMainWindow();
    EXPECT_EQ(window->StatusBar->Panels()[1].Text(), kStoppedText);
    EXPECT_EQ(window->CommandMask(), 1);
    EXPECT_EQ(window->MBarBtn2->Caption(), L"Start service");
    window->MM_0105->Click();
    window->MM_0108->Click();
    EXPECT_EQ(window->StatusBar->Panels()[1].Text(), kStoppedText);
    window->Charts03->Click();
    EXPECT_EQ(window->Charts().CurrentLayout(), 3);
    EXPECT_TRUE(window->msc_graph1->Visible());
    EXPECT_FALSE(window->msc_graph2->Visible());
}

TEST_F(MainWindow, AHungServiceDoesNotFreezeTheWindow) {
    FakeService hung(FakeService::Mode::kHang, protocol::kRunning);
    window = CreateMainWindow();  // its state query and restart come back unanswered
    EXPECT_EQ(window->StatusBar->Panels()[1].Text(), kStoppedText);
    EXPECT_EQ(window->MBarBtn2->Caption(), L"Start service");
    // Once it let a command time out, the menus no longer wait for it.
    ULONGLONG start = GetTickCount64();
    window->MM_0108->Click();
    window->MM_0106->Click();
    EXPECT_LT(GetTickCount64() - start, service::kReplyTimeoutMs / 2);
    EXPECT_EQ(window->CommandMask(), 1);
}

TEST_F(MainWindow, ARefreshIntervalChangeTellsTheServiceToRestart) {
    FakeService fake(FakeService::Mode::kAnswer, protocol::kRunning);
    window = CreateMainWindow();
    window->MM_0106->Click();
    ASSERT_EQ(fake.LastCommand(), protocol::kPause);
    window->MM_030403->Click();
    EXPECT_EQ(fake.LastCommand(), protocol::kRestart);
    EXPECT_EQ(ReadRawDword("IconTimeRefresh"), 4);  // 5 seconds, written before the restart
}

TEST_F(MainWindow, TheServiceIsToldTheIntervalOnceTheWindowIsOnScreen) {
    FakeService fake(FakeService::Mode::kAnswer, protocol::kRunning);
    WriteRawDword("CFGViewMenuState", 1 + 2 + 16 + 64);  // 5 seconds
    window = CreateMainWindow();
    EXPECT_EQ(fake.LastCommand(), protocol::kQuery);  // construction only asks for the state
    EXPECT_EQ(ReadRawDword("IconTimeRefresh"), 4);  // written at once, read by the service when told
    EXPECT_TRUE(PumpUntil([&] { return fake.LastCommand() == protocol::kRestart; }));
}

TEST_F(MainWindow, AnInstallerWhoseMutexCannotBeOpenedStillCountsAsRunning) {
    // Made by an elevated installer: a mutex that refuses us every access.
    SECURITY_DESCRIPTOR refuseAll;
    InitializeSecurityDescriptor(&refuseAll, SECURITY_DESCRIPTOR_REVISION);
    BYTE everyone[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof everyone;
    ASSERT_TRUE(CreateWellKnownSid(WinWorldSid, nullptr, everyone, &sidSize));
    alignas(DWORD) BYTE aclSpace[256];
    auto* deny = reinterpret_cast<ACL*>(aclSpace);
    InitializeAcl(deny, sizeof aclSpace, ACL_REVISION);
    AddAccessDeniedAce(deny, ACL_REVISION, MUTEX_ALL_ACCESS, everyone);
    SetSecurityDescriptorDacl(&refuseAll, TRUE, deny, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &refuseAll, FALSE};
    HANDLE installer = CreateMutexW(&attributes, FALSE, L"TesslyDozidiDavazezInstaller");
    ASSERT_TRUE(installer);
    if (HANDLE opened = OpenMutexW(SYNCHRONIZE, FALSE, L"TesslyDozidiDavazezInstaller")) {
        CloseHandle(opened);
        CloseHandle(installer);
        GTEST_SKIP() << "this system does not enforce the access rights of named objects";
    }
    ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

    window = CreateMainWindow();
    bool asked = false;
    RunWhenModal([&] {
        asked = true;
        for (ui::Form* f : ui::Form::OpenForms())
            if (f->Modal()) f->Close();
    });
    window->Close();
    StopRunWhenModal();
    EXPECT_FALSE(asked);  // the installer is at work: no question, the service left alone
    EXPECT_FALSE(window->Visible());
    CloseHandle(installer);
}

TEST_F(MainWindow, TheDefaultViewStateShowsBarsTwoSecondsAndVerticalTiles) {
    window = CreateMainWindow();
    EXPECT_TRUE(window->MM_0301->Checked());
    EXPECT_TRUE(window->MBar->Visible());
    EXPECT_TRUE(window->StatusBar->Visible());
    EXPECT_TRUE(window->MM_030402->Checked());
    EXPECT_EQ(window->GraphTimer->Interval(), 2000);
    EXPECT_EQ(ReadRawDword("IconTimeRefresh"), 1);  // 2 seconds in the range 1..10
    EXPECT_TRUE(window->Charts02->Checked());
    EXPECT_TRUE(window->PopD_02->Checked());
    EXPECT_EQ(window->Charts().CurrentLayout(), 2);
    EXPECT_EQ(StoredViewStateAfterRun(), 139);
}

TEST_F(MainWindow, SeveralChartChoicesAreKeptAndTheLastOneShows) {
    WriteRawDword("CFGViewMenuState", 256 + 1024);
    window = CreateMainWindow();
    EXPECT_TRUE(window->Charts03->Checked());
    EXPECT_TRUE(window->Charts05->Checked());
    EXPECT_TRUE(window->PopD_05->Checked());
    EXPECT_EQ(window->Charts().CurrentLayout(), 5);
    EXPECT_FALSE(window->msc_graph1->Visible());
    EXPECT_TRUE(window->msc_graph3->Visible());
    EXPECT_FALSE(window->MBar->Visible());
    EXPECT_EQ(StoredViewStateAfterRun(), 256 + 1024);
}

TEST_F(MainWindow, WithoutAChartChoiceNothingIsPlacedEvenAfterResizing) {
    WriteRawDword("CFGViewMenuState", 0);
    window = CreateMainWindow();
    EXPECT_EQ(window->Charts().CurrentLayout(), 0);
    SetWindowPos(window->Handle(), nullptr, 0, 0, 600, 500, SWP_NOMOVE | SWP_NOZORDER);
    PumpFor(100);
    EXPECT_EQ(window->Charts().CurrentLayout(), 0);
    EXPECT_EQ(window->GraphTimer->Interval(), 2000);  // no interval bit: the description's
    window->PopD_01->Click();
    EXPECT_TRUE(window->Charts01->Checked());
    EXPECT_EQ(window->Charts().CurrentLayout(), 1);
    EXPECT_EQ(StoredViewStateAfterRun(), 64);
}

TEST_F(MainWindow, RefreshIntervalAndChartChoicesAreExclusiveInTheMenus) {
    window = CreateMainWindow();
    for (ui::MenuItem* item :
         {window->MM_030401, window->MM_030404, window->Charts01, window->Charts05, window->PopD_01, window->PopD_05})
        EXPECT_TRUE(item->RadioItem()) << platform::Narrow(item->Caption());
    window->MM_030404->Click();
    EXPECT_EQ(window->GraphTimer->Interval(), 10000);
    EXPECT_EQ(ReadRawDword("IconTimeRefresh"), 9);
    EXPECT_FALSE(window->MM_030402->Checked());
    window->PopD_04->Click();
    EXPECT_TRUE(window->Charts04->Checked());
    EXPECT_FALSE(window->Charts02->Checked());
    EXPECT_FALSE(window->PopD_02->Checked());
    window->MM_0302->Click();  // hide the status bar
    EXPECT_FALSE(window->StatusBar->Visible());
    EXPECT_EQ(StoredViewStateAfterRun(), 1 + 32 + 512);
}

TEST_F(MainWindow, PlacementIsRestoredAndAMaximisedCloseKeepsTheOldRectangle) {
    std::int32_t rect[4] = {40, 30, 540, 430};
    WriteRawValue("MainWndPos", REG_BINARY, rect, sizeof rect);
    window = CreateMainWindow();
    RECT r;
    GetWindowRect(window->Handle(), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.bottom - r.top, 400);
    ShowWindow(window->Handle(), SW_MAXIMIZE);
    window.reset();
    EXPECT_EQ(ReadRawDword("CFGWindowMaximized"), -1);
    auto stored = ReadRawValue("MainWndPos");
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::memcmp(stored->data(), rect, sizeof rect), 0);
}

TEST_F(MainWindow, AMaximisedWindowStaysHiddenUntilItIsShown) {
    std::int32_t rect[4] = {40, 30, 540, 430};
    WriteRawValue("MainWndPos", REG_BINARY, rect, sizeof rect);
    WriteRawDword("CFGWindowMaximized", -1);
    WriteRawDword("CFGConfigWizardComplete", -1);
    PrepareConfigurator();
    window = ui::CreateForm<TFMCFGClass>();
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    EXPECT_FALSE(IsZoomed(window->Handle()));
    window->Show();
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
    EXPECT_TRUE(IsZoomed(window->Handle()));
    window.reset();
    EXPECT_EQ(ReadRawDword("CFGWindowMaximized"), -1);
    auto stored = ReadRawValue("MainWndPos");
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::memcmp(stored->data(), rect, sizeof rect), 0);
}

TEST_F(MainWindow, HelpTopicsOpenTheContentsAndF1TheMainWindowsTopic) {
    std::vector<std::pair<UINT, DWORD_PTR>> calls;
    app::InstallContextHelp();
    app::SetHelpViewer([&calls](HWND, const std::wstring&, UINT command, DWORD_PTR data) {
        calls.emplace_back(command, data);
    });
    window = CreateMainWindow();
    window->MM_0501->Click();
    window->Show();
    PostMessageW(window->Handle(), WM_KEYDOWN, VK_F1, 0x003B0001);
    ui::Application::Instance().ProcessMessages();
    app::SetHelpViewer(nullptr);
    ui::Application::Instance().SetHelpHandler(nullptr);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(UINT{HH_DISPLAY_TOPIC}, DWORD_PTR{0}));
    EXPECT_EQ(calls[1], std::make_pair(UINT{HH_HELP_CONTEXT}, DWORD_PTR{help::IDH_MAIN_WINDOW}));
}

TEST_F(MainWindow, EscapeDoesNotEndTheProgram) {
    WriteRawDword("DlgCloseNeverAsk", -1);
    window = CreateMainWindow();
    window->Hide();
    ui::Application::Instance().SetMainForm(window.get());
    int resultAfterEscape = -1;
    RunWhenModal([&] {
        MSG escape{};
        escape.hwnd = window->Handle();
        escape.message = WM_KEYDOWN;
        escape.wParam = VK_ESCAPE;
        window->HandleDialogKey(escape);
        resultAfterEscape = window->GetModalResult();
        window->SetModalResult(ui::mrCancel);  // now close it as its close box would
    });
    window->ShowModal();
    StopRunWhenModal();
    ui::Application::Instance().SetMainForm(nullptr);
    EXPECT_EQ(resultAfterEscape, ui::mrNone);
}

TEST_F(MainWindow, OptionsMenuItemAndToolbarButtonOpenTheOptionsWindow) {
    window = CreateMainWindow();
    EXPECT_TRUE(window->Options->Enabled());
    EXPECT_TRUE(window->Configuremanually1->Enabled());
    EXPECT_TRUE(window->MBarBtn4->Enabled());
    int opened = 0;
    auto cancelOptions = [&] {
        auto* options = dynamic_cast<TOptWnd*>(ui::Form::OpenForms().back());
        if (!options) return;
        ++opened;
        SendMessageW(options->Button4->Handle(), BM_CLICK, 0, 0);
    };
    RunWhenModal(cancelOptions);
    window->Configuremanually1->Click();
    RunWhenModal(cancelOptions);
    window->Options->Execute();
    StopRunWhenModal();
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(ReadRawDword("IconViewMode"), 1);  // created as the window read its values
}

// This test program carries the configurator's version resource, which the box reads.
TEST_F(MainWindow, TheAboutItemOpensTheAboutBox) {
    window = CreateMainWindow();
    EXPECT_TRUE(window->MM_0506->Enabled());
    std::wstring version;
    RunWhenModal([&] {
        auto* about = dynamic_cast<TAbout*>(ui::Form::OpenForms().back());
        if (!about) return;
        version = about->LabelVer->Caption();
        about->Button1->Click();
    });
    window->MM_0506->Click();
    StopRunWhenModal();
    EXPECT_EQ(version, L"Version : 5.5.1.603");
}

TEST_F(MainWindow, TheConfigurationWizardOpensFromTheMenuAndOnceAtStartUntilDone) {
    int opened = 0;
    auto cancelWizard = [&] {
        auto* wizard = dynamic_cast<TConfigWiz*>(ui::Form::OpenForms().back());
        if (!wizard) return;
        ++opened;
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    };
    // Not done yet: construction runs it, unless the first-run wizard postponed it.
    WriteRawDword("CFGConfigWizardComplete", 0);
    wizards::SetConfigWizardDeferred(-1);
    window = CreateMainWindow();
    window.reset();
    EXPECT_EQ(opened, 0);
    wizards::SetConfigWizardDeferred(0);
    RunWhenModal(cancelWizard);
    window = CreateMainWindow();
    StopRunWhenModal();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(window->MM_0401->Enabled());
    RunWhenModal(cancelWizard);
    window->MM_0401->Click();
    StopRunWhenModal();
    EXPECT_EQ(opened, 2);
}

TEST_F(MainWindow, TheNewShortcutCommandsOpenTheShortcutWizard) {
    window = CreateMainWindow();
    EXPECT_TRUE(window->CreateBoostShortCut->Enabled());
    EXPECT_TRUE(window->MM_0104->Enabled());
    EXPECT_TRUE(window->MBarBtn3->Enabled());
    std::vector<std::wstring> shown;
    auto closeTheWizard = [&] {
        for (ui::Form* f : ui::Form::OpenForms())
            if (f->Modal()) {
                shown.push_back(f->Caption());
                f->Close();
            }
    };
    RunWhenModal(closeTheWizard);
    window->MM_0104->Click();
    StopRunWhenModal();
    RunWhenModal(closeTheWizard);
    window->CreateBoostShortCut->Execute();
    StopRunWhenModal();
    EXPECT_EQ(
        shown, (std::vector<std::wstring>{
                   L"[Tessly Dozidi Davazez] - New shortcut wizard", L"[Tessly Dozidi Davazez] - New shortcut wizard"})
    );
}
