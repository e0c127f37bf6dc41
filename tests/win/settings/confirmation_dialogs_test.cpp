#include <gtest/gtest.h>

#include "settings/ask_for_close.h"
#include "settings/ask_for_qboost.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form_loader.h"
#include "ui/image.h"

using testing_support::ReadRawDword;
using testing_support::ShowModalAndDo;

namespace {

class ConfirmationDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::InitializeKit();
        testing_support::ResetSettingsKey();
    }
};

void Tick(ui::CheckBox& box) { SendMessageW(box.Handle(), BM_CLICK, 0, 0); }
void Press(ui::Button& button) { SendMessageW(button.Handle(), BM_CLICK, 0, 0); }
void CloseByTitleBar(ui::Form& form) { PostMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

std::vector<std::wstring> Lines(ui::Memo& memo) { return memo.Lines().Lines(); }

TEST_F(ConfirmationDialogs, AskForCloseShowsItsTextsAndLayout) {
    auto dialog = ui::CreateForm<TAskForClose>();
    HWND focused = nullptr;
    ui::Button* defaultButton = nullptr;
    RECT window{}, client{}, work{};
    ShowModalAndDo(*dialog, [&] {
        focused = GetFocus();
        defaultButton = dialog->DefaultButton();
        GetWindowRect(dialog->Handle(), &window);
        GetClientRect(dialog->Handle(), &client);
        dialog->Close();
    });
    EXPECT_EQ(dialog->Caption(), L"[Tessly Dozidi Davazez] - Close");
    EXPECT_EQ(client.right, 460);
    EXPECT_EQ(client.bottom, 143);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_NEAR((window.left + window.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((window.top + window.bottom) / 2, (work.top + work.bottom) / 2, 1);
    EXPECT_EQ(
        Lines(*dialog->Memo1), (std::vector<std::wstring>{
                                   L"Warning !", L"", L"This will close both interface and the application.",
                                   L"If you want to optimize the memory, use \"Minimize\" button at the header."})
    );
    EXPECT_TRUE(dialog->Memo1->ReadOnly());
    EXPECT_EQ(dialog->Memo1->BackColor(), ui::kInfoBk);
    EXPECT_EQ(dialog->CheckBox1->Caption(), L"Never show this message again");
    EXPECT_EQ(dialog->Button1->Caption(), L"Cancel");
    EXPECT_EQ(dialog->Button2->Caption(), L"Close");
    EXPECT_EQ(defaultButton, dialog->Button1);
    EXPECT_EQ(focused, dialog->Button1->Handle());
    EXPECT_EQ(dialog->Image1->Width(), 32);
    EXPECT_FALSE(dialog->Image1->GetPicture().Empty());
}

TEST_F(ConfirmationDialogs, AskForCloseCancelWithTickStoresNeverAskAndCancels) {
    closeConfirmed = -1;
    auto dialog = ui::CreateForm<TAskForClose>();
    int result = ShowModalAndDo(*dialog, [&] {
        Tick(*dialog->CheckBox1);
        Press(*dialog->Button1);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(closeConfirmed, 0);
    EXPECT_EQ(ReadRawDword("DlgCloseNeverAsk"), -1);
}

TEST_F(ConfirmationDialogs, AskForCloseCloseButtonConfirmsWithoutStoringAnything) {
    closeConfirmed = 0;
    auto dialog = ui::CreateForm<TAskForClose>();
    int result = ShowModalAndDo(*dialog, [&] { Press(*dialog->Button2); });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(closeConfirmed, -1);
    EXPECT_EQ(ReadRawDword("DlgCloseNeverAsk"), std::nullopt);
}

TEST_F(ConfirmationDialogs, AskForCloseTitleBarCloseKeepsAnswerButStoresTick) {
    closeConfirmed = 0;
    auto dialog = ui::CreateForm<TAskForClose>();
    int result = ShowModalAndDo(*dialog, [&] {
        Tick(*dialog->CheckBox1);
        CloseByTitleBar(*dialog);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(closeConfirmed, 0);
    EXPECT_EQ(ReadRawDword("DlgCloseNeverAsk"), -1);

    // The variable is left as it was, whatever that was.
    closeConfirmed = -1;
    auto again = ui::CreateForm<TAskForClose>();
    ShowModalAndDo(*again, [&] { CloseByTitleBar(*again); });
    EXPECT_EQ(closeConfirmed, -1);
}

TEST_F(ConfirmationDialogs, AskForCloseEnterPressesCancel) {
    closeConfirmed = -1;
    auto dialog = ui::CreateForm<TAskForClose>();
    int result = ShowModalAndDo(*dialog, [&] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0); });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(closeConfirmed, 0);
}

TEST_F(ConfirmationDialogs, ProgramCloseAsksUntilToldNeverToAsk) {
    int shown = 0;
    closeConfirmed = 0;
    // ConfirmProgramClose creates its own dialog: drive whichever one opens.
    auto answerCancelWithTick = [&] {
        ++shown;
        auto* dialog = dynamic_cast<TAskForClose*>(ui::Form::OpenForms().back());
        ASSERT_NE(dialog, nullptr);
        Tick(*dialog->CheckBox1);
        Press(*dialog->Button1);
    };
    testing_support::RunWhenModal(answerCancelWithTick);
    EXPECT_FALSE(ConfirmProgramClose());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ReadRawDword("DlgCloseNeverAsk"), -1);

    testing_support::RunWhenModal([&] { ++shown; });
    EXPECT_TRUE(ConfirmProgramClose());  // no dialog: the stored choice lets the close go on
    testing_support::StopRunWhenModal();
    EXPECT_EQ(shown, 1);
}

TEST_F(ConfirmationDialogs, QuickBoostNoteShowsItsTexts) {
    auto dialog = ui::CreateForm<TAskForQBoost>();
    HWND focused = nullptr;
    ui::Button* defaultButton = nullptr;
    RECT client{};
    ShowModalAndDo(*dialog, [&] {
        focused = GetFocus();
        defaultButton = dialog->DefaultButton();
        GetClientRect(dialog->Handle(), &client);
        dialog->Close();
    });
    EXPECT_EQ(dialog->Caption(), L"[Tessly Dozidi Davazez] - Quick Boost");
    EXPECT_EQ(client.right, 454);
    EXPECT_EQ(client.bottom, 143);
    EXPECT_EQ(
        Lines(*dialog->Memo1),
        (std::vector<std::wstring>{
            L"Note : ", L"", L"QuickBoost will lookup the system parameters and perform the memory ",
            L"optimization if it is necessary.",
            L"If your system is already feeling good, no cleanup will be done to avoid ", L"excessive system load.",
            L"You may force memory defragmentation by choosing Scrap All from the ", L"Optimize menu."})
    );
    EXPECT_EQ(dialog->Memo1->GetScrollBars(), ui::ScrollBars::Vertical);
    EXPECT_EQ(dialog->Button2->Caption(), L"Continue");
    EXPECT_EQ(defaultButton, dialog->Button2);
    EXPECT_EQ(focused, dialog->Button2->Handle());
}

TEST_F(ConfirmationDialogs, QuickBoostNoteStoresTickOnlyOnContinue) {
    auto closed = ui::CreateForm<TAskForQBoost>();
    int result = ShowModalAndDo(*closed, [&] {
        Tick(*closed->CheckBox1);
        CloseByTitleBar(*closed);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(ReadRawDword("DlgQBoostNeverAsk"), std::nullopt);

    // Esc dismisses the note as its close box does.
    auto escaped = ui::CreateForm<TAskForQBoost>();
    result = ShowModalAndDo(*escaped, [&] {
        Tick(*escaped->CheckBox1);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(ReadRawDword("DlgQBoostNeverAsk"), std::nullopt);

    auto unticked = ui::CreateForm<TAskForQBoost>();
    EXPECT_EQ(ShowModalAndDo(*unticked, [&] { Press(*unticked->Button2); }), ui::mrOk);
    EXPECT_EQ(ReadRawDword("DlgQBoostNeverAsk"), std::nullopt);

    auto ticked = ui::CreateForm<TAskForQBoost>();
    EXPECT_EQ(
        ShowModalAndDo(
            *ticked,
            [&] {
                Tick(*ticked->CheckBox1);
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
            }
        ),
        ui::mrOk
    );
    EXPECT_EQ(ReadRawDword("DlgQBoostNeverAsk"), -1);
}

TEST_F(ConfirmationDialogs, QuickBoostNoteIsSkippedOnceNeverAskIsStored) {
    testing_support::WriteRawDword("DlgQBoostNeverAsk", -1);
    int shown = 0;
    testing_support::RunWhenModal([&] { ++shown; });
    ShowQuickBoostNote();
    testing_support::StopRunWhenModal();
    EXPECT_EQ(shown, 0);
}

}  // namespace
