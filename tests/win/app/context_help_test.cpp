// Context help: F1, the system's help request and the wizards' Help button open the topic of
// the window or page in front, in the current language's help file.
#include <windows.h>

#include <htmlhelp.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/context_help.h"
#include "app/startup.h"
#include "help/help_context.h"
#include "platform/program_folder.h"
#include "settings/options_window.h"
#include "settings/preventive_dialog.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "wizards/config_wiz.h"
#include "wizards/wizard_components.h"

using namespace testing_support;

namespace {

struct HelpCall {
    std::wstring file;
    UINT command;
    DWORD_PTR data;
};

// F1 as the keyboard delivers it: posted to the focused control, handled by the modal loop.
void PressF1() {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_F1, 0x003B0001);
    ui::Application::Instance().ProcessMessages();
}

// The request a control receives from the system for F1 and passes up to its window.
void RequestHelpAt(HWND control) {
    HELPINFO info{sizeof(HELPINFO), HELPINFO_WINDOW, GetDlgCtrlID(control), control, 0, {0, 0}};
    SendMessageW(control, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

class ContextHelp : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        wizards::RegisterWizardComponents();
        ResetSettingsKey();
        app::SetLanguageFileName(L"english");
        app::InstallContextHelp();
        app::SetHelpViewer([this](HWND, const std::wstring& file, UINT command, DWORD_PTR data) {
            calls_.push_back({file, command, data});
        });
    }
    void TearDown() override {
        app::SetHelpViewer(nullptr);
        ui::Application::Instance().SetHelpHandler(nullptr);
    }

    // The one help request made, as a context id; 0 for the contents.
    DWORD_PTR OnlyRequestedContext() const {
        EXPECT_EQ(calls_.size(), 1u);
        if (calls_.size() != 1) return ~DWORD_PTR{0};
        EXPECT_EQ(calls_[0].file, platform::ProgramFolder() + L"help\\english.chm");
        EXPECT_EQ(calls_[0].command, calls_[0].data ? UINT{HH_HELP_CONTEXT} : UINT{HH_DISPLAY_TOPIC});
        return calls_[0].data;
    }

    std::vector<HelpCall> calls_;
};

TEST_F(ContextHelp, F1InTheOptionsWindowOpensTheTopicOfTheTabInFront) {
    auto window = ui::CreateForm<TOptWnd>();
    ShowModalAndDo(*window, [&] {
        window->PageControl1->SetActivePage(window->TabSheet2);
        window->Cb111->SetFocus();
        PressF1();
        window->SetModalResult(ui::mrCancel);
    });
    EXPECT_EQ(OnlyRequestedContext(), help::IDH_OPTIONS_VIEW);
}

TEST_F(ContextHelp, AHotKeyFieldTakesF1AsItsKey) {
    auto window = ui::CreateForm<TOptWnd>();
    ShowModalAndDo(*window, [&] {
        window->Hk221->SetShortCut(0);
        window->Hk221->SetFocus();
        PressF1();
        EXPECT_EQ(LOBYTE(window->Hk221->ShortCut()), VK_F1);
        window->SetModalResult(ui::mrCancel);
    });
    EXPECT_TRUE(calls_.empty());
}

TEST_F(ContextHelp, TheHelpRequestOfAControlInASettingsDialogOpensTheDialogsTopic) {
    auto dialog = ui::CreateForm<TForm9>();
    ShowModalAndDo(*dialog, [&] {
        RequestHelpAt(dialog->Se11->Handle());
        dialog->SetModalResult(ui::mrCancel);
    });
    EXPECT_EQ(OnlyRequestedContext(), help::IDH_PREVENTIVE);
}

TEST_F(ContextHelp, F1AndTheHelpButtonOfAWizardOpenTheActivePagesTopic) {
    auto wizard = ui::CreateForm<TConfigWiz>();
    ShowModalAndDo(*wizard, [&] {
        wizard->ConfigWizard->SetActivePage(wizard->KWizardInteriorPage1);
        PressF1();
        wizard->ConfigWizard->ButtonHelp().Control().Click();
        wizard->SetModalResult(ui::mrCancel);
    });
    ASSERT_EQ(calls_.size(), 2u);
    EXPECT_EQ(calls_[0].data, help::IDH_CONFIG_WIZARD_PERFORMANCE);
    EXPECT_EQ(calls_[1].data, help::IDH_CONFIG_WIZARD_PERFORMANCE);
    EXPECT_EQ(calls_[1].command, UINT{HH_HELP_CONTEXT});
    EXPECT_EQ(wizard->ConfigWizard->ActivePage(), wizard->KWizardInteriorPage1);  // Help does not turn the page
}

TEST_F(ContextHelp, AWindowWithoutATopicOpensTheContents) {
    app::ShowHelpTopic(nullptr, "TNoSuchWindow");
    EXPECT_EQ(OnlyRequestedContext(), 0u);
}

TEST_F(ContextHelp, TheHelpFileFollowsTheLanguageAndFallsBackToEnglish) {
    const std::wstring folder = platform::ProgramFolder() + L"help\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    app::SetLanguageFileName(L"deutsch");
    EXPECT_EQ(app::LocateHelpFile(), folder + L"english.chm");
    HANDLE file = CreateFileW((folder + L"deutsch.chm").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
    EXPECT_EQ(app::LocateHelpFile(), folder + L"deutsch.chm");
    DeleteFileW((folder + L"deutsch.chm").c_str());
}

}  // namespace
