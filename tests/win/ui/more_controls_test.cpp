#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "tests/win/ui/modal_driver.h"
#include "ui/action_list.h"
#include "ui/application.h"
#include "ui/application_events.h"
#include "ui/combo_box.h"
#include "ui/hot_key.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/open_dialog.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"
#include "ui/timer.h"
#include "ui/tool_bar.h"

namespace {

class MoreControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::InitializeKit();
        form = std::make_unique<ui::Form>(nullptr);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
    }

    template <class T>
    T& Add(ui::WinControl& parent) {
        auto* c = new T(form.get());
        c->SetParent(&parent);
        return *c;
    }

    std::unique_ptr<ui::Form> form;
};

TEST_F(MoreControlsTest, SpinEditClampsAndReadsNonNumbersAsMinimum) {
    auto& spin = Add<ui::SpinEdit>(*form);
    spin.SetMinValue(8);
    spin.SetMaxValue(96);
    form->HandleNeeded();
    spin.SetValue(200);
    EXPECT_EQ(spin.Value(), 96);
    spin.SetValue(3);
    EXPECT_EQ(spin.Value(), 8);
    SetWindowTextW(spin.Handle(), L"1a2");
    EXPECT_EQ(spin.Value(), 8);
    SetWindowTextW(spin.Handle(), L"");
    EXPECT_EQ(spin.Value(), 8);
    SetWindowTextW(spin.Handle(), L"50");
    EXPECT_EQ(spin.Value(), 50);
    SendMessageW(spin.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(spin.Value(), 51);

    // Without limits (minimum equal to maximum) nothing is clamped.
    auto& free = Add<ui::SpinEdit>(*form);
    free.SetValue(16);
    free.SetValue(123456);
    EXPECT_EQ(free.Value(), 123456);
}

TEST_F(MoreControlsTest, SpinEditArrowsAreTheFieldsBuddyAndStepItsValue) {
    auto& spin = Add<ui::SpinEdit>(*form);
    spin.SetMinValue(1);
    spin.SetMaxValue(10);
    spin.SetValue(10);
    form->HandleNeeded();
    HWND arrows = nullptr;
    for (HWND h = GetWindow(form->Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(h, name, 64);
        if (lstrcmpiW(name, UPDOWN_CLASSW) == 0) arrows = h;
    }
    ASSERT_NE(arrows, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(arrows, UDM_GETBUDDY, 0, 0)), spin.Handle());
    RECT r{};
    GetClientRect(arrows, &r);
    LPARAM lower = MAKELPARAM(r.right / 2, r.bottom - 2);
    SendMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, lower);
    SendMessageW(arrows, WM_LBUTTONUP, 0, lower);
    EXPECT_EQ(spin.Value(), 9);
    EXPECT_EQ(spin.Caption(), L"9");  // the field keeps its own text, not the arrows' position
}

TEST_F(MoreControlsTest, LabelMnemonicIsTheLetterAfterASingleAmpersand) {
    auto& label = *new ui::Label(form.get());
    label.SetCaption(L"Save && &quit");
    EXPECT_TRUE(label.IsMnemonic(L'Q'));
    EXPECT_TRUE(label.IsMnemonic(L'q'));
    EXPECT_FALSE(label.IsMnemonic(L'S'));
    EXPECT_FALSE(label.IsMnemonic(L' '));
    label.SetCaption(L"Fish && chips");
    EXPECT_FALSE(label.IsMnemonic(L' '));
    EXPECT_FALSE(label.IsMnemonic(L'c'));
    label.SetCaption(L"&quit");
    label.SetShowAccelChar(false);  // the ampersand shows as itself
    EXPECT_FALSE(label.IsMnemonic(L'q'));
}

TEST_F(MoreControlsTest, HotKeyKeepsShortcutCodesAndRejectsPlainKeys) {
    auto& hotKey = Add<ui::HotKey>(*form);
    hotKey.SetShortCut(49217);  // Ctrl+Alt+A as stored
    form->HandleNeeded();
    EXPECT_EQ(hotKey.ShortCut(), 49217);
    EXPECT_EQ(SendMessageW(hotKey.Handle(), HKM_GETHOTKEY, 0, 0), MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT));
    // Typed without a modifier, a key becomes Alt plus the key.
    SendMessageW(hotKey.Handle(), WM_KEYDOWN, 'F', 0);
    EXPECT_EQ(hotKey.ShortCut(), ui::kScAlt | 'F');
}

TEST_F(MoreControlsTest, PageControlShowsOnlyTheActiveSheet) {
    auto& pages = Add<ui::PageControl>(*form);
    auto& general = *new ui::TabSheet(form.get());
    auto& view = *new ui::TabSheet(form.get());
    general.SetCaption(L"General");
    view.SetCaption(L"View");
    pages.AdoptChild(general);
    pages.AdoptChild(view);
    EXPECT_EQ(pages.ActivePage(), &general);
    form->HandleNeeded();
    EXPECT_EQ(TabCtrl_GetItemCount(pages.Handle()), 2);
    EXPECT_TRUE(general.Visible());
    EXPECT_FALSE(view.Visible());
    pages.SetActivePageIndex(1);
    EXPECT_FALSE(general.Visible());
    EXPECT_TRUE(view.Visible());
    EXPECT_EQ(TabCtrl_GetCurSel(pages.Handle()), 1);
    view.SetCaption(L"Look");
    wchar_t text[16] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 16;
    TabCtrl_GetItem(pages.Handle(), 1, &item);
    EXPECT_STREQ(text, L"Look");
}

TEST_F(MoreControlsTest, ComboAndColorListsSelectByIndexAndValue) {
    auto& combo = Add<ui::ComboBox>(*form);
    combo.SetStyle(ui::ComboStyle::DropDownList);
    combo.Items().Assign({L"Low (Fastest)", L"Normal", L"High (Slow)"});
    combo.SetItemIndex(1);
    form->HandleNeeded();
    EXPECT_EQ(SendMessageW(combo.Handle(), CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(combo.ItemIndex(), 1);

    auto& colors = Add<ui::ColorBox>(*form);
    colors.SetSelected(RGB(0, 255, 0));
    EXPECT_EQ(colors.Selected(), RGB(0, 255, 0));
    EXPECT_EQ(colors.Items()[colors.ItemIndex()], L"Lime");  // named from the string table
    int count = static_cast<int>(colors.Colors().size());
    colors.SetSelected(RGB(1, 2, 3));  // no such swatch: added, then selected
    EXPECT_EQ(colors.Selected(), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<int>(colors.Colors().size()), count + 1);
    colors.SetSelected(RGB(1, 2, 3));
    EXPECT_EQ(static_cast<int>(colors.Colors().size()), count + 1);
}

TEST_F(MoreControlsTest, ToolBarButtonsRunTheirActionsAndFollowThem) {
    auto& bar = Add<ui::ToolBar>(*form);
    bar.SetButtonWidth(70);
    bar.SetButtonHeight(49);
    bar.SetShowCaptions(true);
    auto& action = *new ui::Action(form.get());
    int executed = 0;
    action.OnExecute = [&](ui::NotifyArgs&) { ++executed; };
    action.SetCaption(L"Quick boost");
    auto& button = *new ui::ToolButton(form.get());
    button.SetAction(&action);
    bar.AddButton(button);
    form->HandleNeeded();
    EXPECT_EQ(button.Caption(), L"Quick boost");
    EXPECT_EQ(SendMessageW(bar.Handle(), TB_BUTTONCOUNT, 0, 0), 1);
    EXPECT_GE(bar.Height(), 49);  // the bar's height follows its buttons
    EXPECT_EQ(bar.Top(), 0);

    SendMessageW(
        form->Handle(), WM_COMMAND, MAKEWPARAM(button.CommandId(), BN_CLICKED), reinterpret_cast<LPARAM>(bar.Handle())
    );
    EXPECT_EQ(executed, 1);
    action.SetEnabled(false);
    EXPECT_FALSE(SendMessageW(bar.Handle(), TB_ISBUTTONENABLED, button.CommandId(), 0));
    button.SetCaption(L"Stop service");
    wchar_t text[32] = {};
    SendMessageW(bar.Handle(), TB_GETBUTTONTEXTW, button.CommandId(), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Stop service");
}

TEST_F(MoreControlsTest, LinkedClientsKeepTheirOwnCaptionAndImage) {
    auto& action = *new ui::Action(form.get());
    action.SetCaption(L"Options");
    action.SetImageIndex(3);
    auto& item = *new ui::MenuItem(form.get());
    item.SetCaption(L"Options...");  // the menu's own caption and image
    item.SetImageIndex(24);
    item.SetAction(&action);
    auto& plain = *new ui::MenuItem(form.get());
    plain.SetAction(&action);  // nothing of its own: takes the action's
    EXPECT_EQ(item.Caption(), L"Options...");
    EXPECT_EQ(item.ImageIndex(), 24);
    EXPECT_EQ(plain.Caption(), L"Options");
    EXPECT_EQ(plain.ImageIndex(), 3);

    action.SetEnabled(false);  // state both shared: both follow
    EXPECT_FALSE(item.Enabled());
    EXPECT_FALSE(plain.Enabled());
    action.SetCaption(L"Settings");  // only the client that showed the old caption follows
    EXPECT_EQ(item.Caption(), L"Options...");
    EXPECT_EQ(plain.Caption(), L"Settings");
}

TEST_F(MoreControlsTest, TimerTicksWhileEnabled) {
    ui::Timer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](ui::NotifyArgs&) {
        if (++ticks == 2) timer.SetEnabled(false);
    };
    timer.SetInterval(10);
    for (int i = 0; i < 200 && ticks < 2; ++i) {
        Sleep(5);
        ui::Application::Instance().ProcessMessages();
    }
    EXPECT_EQ(ticks, 2);
    for (int i = 0; i < 10; ++i) {
        Sleep(5);
        ui::Application::Instance().ProcessMessages();
    }
    EXPECT_EQ(ticks, 2);
}

TEST_F(MoreControlsTest, MinimisingTheMainFormRaisesTheApplicationEvent) {
    auto& events = *new ui::ApplicationEvents(form.get());
    int minimized = 0;
    events.OnMinimize = [&](ui::NotifyArgs&) { ++minimized; };
    ui::Application::Instance().SetMainForm(form.get());
    form->HandleNeeded();
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(minimized, 1);
    ui::Application::Instance().SetMainForm(nullptr);
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);  // not the main window
    EXPECT_EQ(minimized, 1);
}

// Runs `action` on the next turn of the message loop (inside a system dialog or menu loop).
void Soon(std::function<void()> action) {
    static std::function<void()> pending;
    pending = std::move(action);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        pending();
    });
}

HWND SystemDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM out) {
            wchar_t name[16];
            if (GetClassNameW(w, name, 16) && lstrcmpW(name, L"#32770") == 0) {
                *reinterpret_cast<HWND*>(out) = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found)
    );
    return found;
}

TEST_F(MoreControlsTest, OpenDialogReturnsTheChosenFileOrNothing) {
    ui::OpenDialog dialog(nullptr);
    dialog.SetFilter(L"Executables|*.exe; *.com; *.bat; *.cmd|Shortcuts|*.lnk|All files|*.*");
    dialog.SetFileName(L"before.txt");
    form->HandleNeeded();
    Soon([] { PostMessageW(SystemDialog(), WM_COMMAND, IDCANCEL, 0); });
    EXPECT_FALSE(dialog.Execute(form->Handle()));
    EXPECT_EQ(dialog.FileName(), L"before.txt");

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    dialog.SetFileName(self);
    dialog.SetOptions(dialog.Options() | ui::kOfFileMustExist);
    Soon([] { PostMessageW(SystemDialog(), WM_COMMAND, IDOK, 0); });
    EXPECT_TRUE(dialog.Execute(form->Handle()));
    EXPECT_EQ(lstrcmpiW(dialog.FileName().c_str(), self), 0);
}

TEST_F(MoreControlsTest, DropDownButtonOpensItsMenu) {
    auto& bar = Add<ui::ToolBar>(*form);
    auto& menu = *new ui::PopupMenu(form.get());
    auto& item = *new ui::MenuItem(form.get());
    item.SetCaption(L"Memory");
    menu.Items().Add(item);
    int popups = 0;
    menu.OnPopup = [&](ui::NotifyArgs&) { ++popups; };
    auto& button = *new ui::ToolButton(form.get());
    button.SetStyle(ui::ToolButtonStyle::DropDown);
    button.SetDropdownMenu(&menu);
    bar.AddButton(button);
    form->Show();
    NMTOOLBARW notice{};
    notice.hdr.hwndFrom = bar.Handle();
    notice.hdr.code = TBN_DROPDOWN;
    notice.iItem = static_cast<int>(button.CommandId());
    Soon([] { EndMenu(); });
    LRESULT r = SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
    EXPECT_EQ(r, TBDDRET_DEFAULT);
    EXPECT_EQ(popups, 1);
}

}  // namespace
