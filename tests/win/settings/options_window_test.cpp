// The options window on its own, without a service: what it loads, what "Ok", "Cancel" and
// "Apply" store, and how its fields behave.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/settings/autostart.h"
#include "core/settings/settings_table.h"
#include "platform/program_folder.h"
#include "platform/registry.h"
#include "service/service_link.h"
#include "settings/options_window.h"
#include "settings/physical_memory.h"
#include "settings/preventive_dialog.h"
#include "tests/win/settings/settings_window_driver.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "tests/win/wizards/dialog_answerer.h"
#include "ui/form_loader.h"
#include "ui/hot_key.h"
#include "ui/page_control.h"
#include "ui/spin_edit.h"

using namespace testing_support;

namespace {

constexpr std::uint64_t kMB = 1048576;

platform::RegistryKey RunKey() {
    return platform::RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kRunKeyPath));
}

std::optional<std::wstring> RunValue() { return RunKey().ReadString(platform::AsciiName(settings::kRunValueName)); }

void DeleteRunValue() { RunKey().DeleteValue(platform::AsciiName(settings::kRunValueName)); }

std::wstring ExpectedAutostartCommand() { return settings::AutostartCommand(platform::ProgramPath()); }

class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        ResetSettingsKey();
        DeleteRunValue();
        OverridePhysicalMemoryBytes(512 * kMB);
    }
    void TearDown() override {
        OverridePhysicalMemoryBytes(0);
        DeleteRunValue();
    }

    // Opens a fresh window, runs `action` while it is shown, and returns the modal result.
    int WithWindow(const std::function<void(TOptWnd&)>& action) {
        auto window = ui::CreateForm<TOptWnd>();
        return ShowModalAndDo(*window, [&] { action(*window); });
    }
    void OpenAndPressOk() {
        WithWindow([](TOptWnd& w) { Press(*w.Button3); });
    }
};

}  // namespace

TEST_F(OptionsWindow, OpensOnTheGeneralTabWithApplyDisabled) {
    WithWindow([](TOptWnd& w) {
        EXPECT_EQ(w.Caption(), L"[Tessly Dozidi Davazez] - Options");
        RECT client{};
        GetClientRect(w.Handle(), &client);
        EXPECT_EQ(client.right, 448);
        EXPECT_EQ(client.bottom, 401);
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TabSheet1);
        EXPECT_EQ(w.TabSheet1->Caption(), L"General");
        EXPECT_EQ(w.TabSheet2->Caption(), L"View");
        EXPECT_EQ(w.TabSheet3->Caption(), L"Quick boost");
        EXPECT_EQ(w.TabSheet4->Caption(), L"Exclusions");
        EXPECT_FALSE(w.Button1->Enabled());
        EXPECT_EQ(w.DefaultButton(), w.Button3);
        EXPECT_EQ(w.CancelButton(), w.Button4);
        EXPECT_FALSE(w.CmBox231->Visible());
        Press(*w.Button4);
    });
}

TEST_F(OptionsWindow, OkOnAnEmptyStoreCreatesEveryValueWithItsEncoding) {
    OpenAndPressOk();
    std::vector<std::string> expected = {
        "IconViewMode REG_DWORD 1",    "IconViewData REG_DWORD 0",
        "IconViewStyle REG_DWORD 0",   "IconViewAnimate REG_DWORD 0",
        "DefragPassesNum REG_DWORD 0", "OnTimeFree REG_DWORD -1",
        "MemMinFree REG_DWORD 0",      "UntouchableCacheSize REG_DWORD 16777216",
        "HotSleepKey REG_DWORD 49217", "HotFreeKey REG_DWORD 49222",
        "HotMngrKey REG_DWORD 49224",  "QBoostSize REG_DWORD 33554432",
        "QBoostMethod REG_DWORD 0",    "IconForeClr REG_DWORD 65280",
        "IconBackClr REG_DWORD 34816", "IconTextClr REG_DWORD 16777215",
        "QuietFullScreen REG_DWORD -1", "QuietPrograms type1 00",
        "ExcludedPrograms type1 00",
    };
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ListKey(settings::kSettingsKeyPath), expected);
    EXPECT_EQ(RunValue(), std::nullopt);  // autostart stays off until the user asks for it
}

TEST_F(OptionsWindow, TrayIconChoicesRoundTripIncludingUnlistedColours) {
    WriteRawDword("IconViewStyle", 4);  // style 5, "MS-styled graph ( fill )"
    WriteRawDword("IconViewData", 1);
    WriteRawDword("IconViewAnimate", 1);
    WriteRawDword("IconViewMode", 6);  // bit 0 clear: no tray icon
    WriteRawDword("IconForeClr", 0x030201);
    WriteRawDword("IconBackClr", 0x0000FF);
    WriteRawDword("DefragPassesNum", 1);  // "High (Slow)"
    WithWindow([](TOptWnd& w) {
        EXPECT_TRUE(w.Rb125->Checked());
        EXPECT_FALSE(w.Rb121->Checked());
        EXPECT_TRUE(w.Rb112->Checked());
        EXPECT_FALSE(w.Rb111->Checked());
        EXPECT_TRUE(w.Cb112->Checked());
        EXPECT_FALSE(w.Cb111->Checked());
        EXPECT_EQ(w.Sc131->Selected(), 0x030201u);  // shown as one more swatch, not lost
        EXPECT_EQ(w.Sc132->Selected(), 0x0000FFu);
        EXPECT_EQ(w.CmBox231->ItemIndex(), 2);
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("IconViewStyle"), 4);
    EXPECT_EQ(ReadRawDword("IconViewData"), 1);
    EXPECT_EQ(ReadRawDword("IconViewAnimate"), 1);
    EXPECT_EQ(ReadRawDword("IconViewMode"), 0);  // written as 1 or 0 only
    EXPECT_EQ(ReadRawDword("IconForeClr"), 0x030201);
    EXPECT_EQ(ReadRawDword("DefragPassesNum"), 1);

    WithWindow([](TOptWnd& w) {
        Tick(*w.Rb122);
        Tick(*w.Rb111);
        Tick(*w.Cb111);
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("IconViewStyle"), 1);  // style 2, stored one lower
    EXPECT_EQ(ReadRawDword("IconViewData"), 0);
    EXPECT_EQ(ReadRawDword("IconViewMode"), 1);
}

TEST_F(OptionsWindow, QuickBoostSizeFollowsTheChosenMethod) {
    WriteRawDword("QBoostSize", 3145727);  // just under 3 MB
    WithWindow([](TOptWnd& w) {
        EXPECT_TRUE(w.Rb311->Checked());
        EXPECT_EQ(w.Se311->Value(), 2);  // truncated
        EXPECT_EQ(w.Se312->Value(), 1);  // the other method's field keeps its first value
        Tick(*w.Rb313);
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("QBoostMethod"), 2);
    EXPECT_EQ(ReadRawDword("QBoostSize"), 3145727);  // the maximum method leaves the size alone

    WithWindow([](TOptWnd& w) {
        EXPECT_TRUE(w.Rb313->Checked());
        EXPECT_EQ(w.Se311->Value(), 1);
        Tick(*w.Rb312);
        w.Se312->SetValue(64);
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("QBoostMethod"), 1);
    EXPECT_EQ(ReadRawDword("QBoostSize"), 64 * 1048576);
    WithWindow([](TOptWnd& w) {
        EXPECT_TRUE(w.Rb312->Checked());
        EXPECT_EQ(w.Se312->Value(), 64);
        Press(*w.Button4);
    });
}

TEST_F(OptionsWindow, SizeFieldsFollowPhysicalMemoryButNeverPass2047MB) {
    OverridePhysicalMemoryBytes(96 * kMB);
    WriteRawDword("UntouchableCacheSize", 200 * 1048576);
    WithWindow([](TOptWnd& w) {
        EXPECT_EQ(w.Se231->MinValue(), 8);
        EXPECT_EQ(w.Se231->MaxValue(), 96);
        EXPECT_EQ(w.Se311->MinValue(), 1);
        EXPECT_EQ(w.Se312->MaxValue(), 96);
        EXPECT_EQ(w.Se231->Value(), 96);  // a stored size beyond the machine opens at the maximum
        w.Se231->SetValue(3);
        EXPECT_EQ(w.Se231->Value(), 8);
        Press(*w.Button4);
    });

    OverridePhysicalMemoryBytes(64 * 1024 * kMB);
    WithWindow([](TOptWnd& w) {
        EXPECT_EQ(w.Se231->MaxValue(), 2047);
        EXPECT_EQ(w.Se311->MaxValue(), 2047);
        // Typed text can say more than the field allows: it saves as the maximum.
        SetWindowTextW(w.Se311->Handle(), L"");
        Type(*w.Se311, L"99999");
        SetWindowTextW(w.Se231->Handle(), L"");
        Type(*w.Se231, L"4096");
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("QBoostSize"), 2047 * 1048576);
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 2047 * 1048576);
}

TEST_F(OptionsWindow, SpinFieldsKeepDigitsOnlyAndAnEmptyFieldSavesItsMinimum) {
    WithWindow([](TOptWnd& w) {
        SetWindowTextW(w.Se311->Handle(), L"");
        Type(*w.Se311, L"1a2");
        EXPECT_EQ(w.Se311->Caption(), L"12");
        SetWindowTextW(w.Se231->Handle(), L"x");
        EXPECT_EQ(w.Se231->Caption(), L"");
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("QBoostSize"), 12 * 1048576);
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 8 * 1048576);
}

TEST_F(OptionsWindow, AutostartIsTheServiceBesideTheProgramAndGoesAwayWhenUnchecked) {
    WithWindow([](TOptWnd& w) {
        EXPECT_FALSE(w.Cb211->Checked());
        Tick(*w.Cb211);
        Press(*w.Button3);
    });
    EXPECT_EQ(RunValue(), ExpectedAutostartCommand());
    EXPECT_TRUE(RunValue()->ends_with(L"\\TesslyMBsrv.exe\" -logon"));

    WithWindow([](TOptWnd& w) {
        EXPECT_TRUE(w.Cb211->Checked());
        Tick(*w.Cb211);
        Press(*w.Button3);
    });
    EXPECT_EQ(RunValue(), std::nullopt);

    // Off again: nothing to delete, nothing goes wrong.
    WithWindow([](TOptWnd& w) {
        EXPECT_FALSE(w.Cb211->Checked());
        Press(*w.Button3);
    });
    EXPECT_EQ(RunValue(), std::nullopt);
    EXPECT_EQ(ReadRawDword("OnTimeFree"), -1);
}

TEST_F(OptionsWindow, AnAutostartCommandWithOrWithoutQuotesOfAnyLengthReadsAsOn) {
    const std::wstring name = platform::AsciiName(settings::kRunValueName);
    for (const std::wstring& command :
         {std::wstring(L"C:\\Old Place\\TesslyMBsrv.exe"),
          L"\"C:\\" + std::wstring(400, L'д') + L"\\TesslyMBsrv.exe\""}) {
        RunKey().WriteString(name, command);
        WithWindow([](TOptWnd& w) {
            EXPECT_TRUE(w.Cb211->Checked());
            Press(*w.Button3);
        });
        // "Ok" writes this program's own command in its place.
        EXPECT_EQ(RunValue(), ExpectedAutostartCommand());
    }
}

TEST_F(OptionsWindow, EachQuickBoostSizeIsEnabledOnlyWithItsMethod) {
    WriteRawDword("QBoostMethod", 2);
    WithWindow([](TOptWnd& w) {
        EXPECT_FALSE(w.Se311->Enabled());
        EXPECT_FALSE(w.Se312->Enabled());
        Tick(*w.Rb311);
        EXPECT_TRUE(w.Se311->Enabled());
        EXPECT_FALSE(w.Se312->Enabled());
        Tick(*w.Rb312);
        EXPECT_FALSE(w.Se311->Enabled());
        EXPECT_TRUE(w.Se312->Enabled());
        Press(*w.Button4);
    });
}

TEST_F(OptionsWindow, TwoCommandsOnOneHotKeyAreRefusedAndNothingIsSaved) {
    DialogAnswerer answerer;
    bool stayedOpen = false;
    WithWindow([&](TOptWnd& w) {
        w.Hk222->SetShortCut(w.Hk221->ShortCut());
        Press(*w.Button3);
        stayedOpen = IsWindowVisible(w.Handle()) && w.GetModalResult() == ui::mrNone;
        Press(*w.Button4);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(answerer.Messages().size(), 1u);
    EXPECT_EQ(answerer.Messages()[0], L"Each hot key can start only one command. Please choose different keys.");
    EXPECT_NE(ReadRawDword("HotFreeKey"), ReadRawDword("HotSleepKey"));  // the keys were not saved
}

TEST_F(OptionsWindow, HotKeysAreStoredAsShortcutCodes) {
    WithWindow([](TOptWnd& w) {
        EXPECT_EQ(w.Hk221->ShortCut(), 49217);
        SendMessageW(w.Hk222->Handle(), WM_KEYDOWN, 'Q', 0);  // a plain key becomes Alt plus the key
        EXPECT_TRUE(w.Button1->Enabled());
        w.Hk223->SetShortCut(ui::kScCtrl | ui::kScShift | 'M');
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("HotSleepKey"), 49217);
    EXPECT_EQ(ReadRawDword("HotFreeKey"), 0x8000 | 'Q');
    EXPECT_EQ(ReadRawDword("HotMngrKey"), 0x4000 | 0x2000 | 'M');
}

TEST_F(OptionsWindow, ApplyLightsUpWithTheFirstEditAndSavesWithoutAService) {
    WithWindow([](TOptWnd& w) {
        ASSERT_FALSE(w.Button1->Enabled());
        Choose(*w.Sc132, 0);  // every colour list counts as an edit
        EXPECT_TRUE(w.Button1->Enabled());
        Press(*w.Button1);
        EXPECT_FALSE(w.Button1->Enabled());
        EXPECT_EQ(ReadRawDword("IconBackClr"), static_cast<std::int32_t>(w.Sc132->Colors()[0]));
        EXPECT_EQ(service::FindServiceWindow(), nullptr);  // "Apply" never launches the service

        Choose(*w.Sc133, 1);
        EXPECT_TRUE(w.Button1->Enabled());
        Press(*w.Button1);
        for (auto edit : std::initializer_list<std::function<void()>>{
                 [&] { Tick(*w.Cb211); }, [&] { Tick(*w.Rb123); }, [&] { Tick(*w.Rb312); },
                 [&] { Choose(*w.Sc131, 2); }, [&] { Type(*w.Se231, L"1"); }, [&] { Choose(*w.CmBox231, 0); }}) {
            edit();
            EXPECT_TRUE(w.Button1->Enabled());
            Press(*w.Button1);
            EXPECT_FALSE(w.Button1->Enabled());
        }
        Press(*w.Button4);
    });
    EXPECT_EQ(ReadRawDword("IconViewStyle"), 2);  // saved by "Apply", kept after "Cancel"
}

TEST_F(OptionsWindow, CancelAndEscapeLeaveTheStoreByteIdentical) {
    OpenAndPressOk();
    WriteRawDword("QBoostMethod", 1);
    auto before = ListKey(settings::kSettingsKeyPath);
    auto editEverything = [](TOptWnd& w) {
        Tick(*w.Cb211);
        Tick(*w.Cb231);
        Tick(*w.Rb124);
        Choose(*w.Sc131, 3);
        Type(*w.Se312, L"7");
        w.Hk221->SetShortCut(ui::kScAlt | 'Z');
    };
    int result = WithWindow([&](TOptWnd& w) {
        editEverything(w);
        Press(*w.Button4);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(ListKey(settings::kSettingsKeyPath), before);
    EXPECT_EQ(RunValue(), std::nullopt);

    result = WithWindow([&](TOptWnd& w) {
        editEverything(w);
        PostMessageW(w.Rb124->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(ListKey(settings::kSettingsKeyPath), before);

    result = WithWindow([&](TOptWnd& w) {
        Tick(*w.Rb124);
        PostMessageW(w.Rb124->Handle(), WM_KEYDOWN, VK_RETURN, 0);  // Enter is "Ok"
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(ReadRawDword("IconViewStyle"), 3);
}

TEST_F(OptionsWindow, SettingsButtonsOpenTheDialogsAndMarkTheWindowChanged) {
    WithWindow([](TOptWnd& w) {
        bool sawPreventive = false;
        RunWhenModal([&] {
            auto* dialog = dynamic_cast<TForm9*>(ui::Form::OpenForms().back());
            sawPreventive = dialog != nullptr;
            if (dialog) Press(*dialog->Button2);
        });
        Press(*w.B231);
        EXPECT_TRUE(sawPreventive);
        EXPECT_TRUE(w.Button1->Enabled());  // whichever button closed the dialog
        Press(*w.Button4);
    });
    // The dialog read its values, so the missing ones exist now, though nothing was saved.
    EXPECT_EQ(ReadRawDword("OnTimeFreeSec"), 240);
}

namespace {

// Sets or clears the Ctrl and Shift keys in this thread's keyboard state.
void HoldKeys(bool ctrl, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
}

}  // namespace

TEST_F(OptionsWindow, KeyboardAloneReachesEveryControlPageAndMnemonic) {
    WithWindow([](TOptWnd& w) {
        std::vector<HWND> order;
        HWND start = w.Cb211->Handle();
        HWND h = start;
        do {
            order.push_back(h);
            h = GetNextDlgTabItem(w.Handle(), h, FALSE);
        } while (h && h != start && order.size() < 40);
        std::vector<HWND> expected = {w.Cb211->Handle(), w.Hk221->Handle(),   w.Hk222->Handle(),  w.Hk223->Handle(),
                                      w.Cb231->Handle(), w.B231->Handle(),    w.Cb232->Handle(),  w.B232->Handle(),
                                      w.Se231->Handle(), w.Button3->Handle(), w.Button4->Handle()};
        EXPECT_EQ(order, expected);  // "Apply" is disabled, the info text and the hidden list skipped

        // Alt+P ticks "&Preventive".
        bool preventive = w.Cb231->Checked();
        SetFocus(w.Cb211->Handle());
        MSG alt{w.Cb211->Handle(), WM_SYSCHAR, 'p', 0x20000000, 0, {}};
        IsDialogMessageW(w.Handle(), &alt);
        EXPECT_EQ(GetFocus(), w.Cb231->Handle());
        EXPECT_NE(w.Cb231->Checked(), preventive);

        // Alt plus a label's letter focuses the label's field; labels on hidden pages do not count.
        MSG label{w.Cb231->Handle(), WM_SYSCHAR, 'u', 0x20000000, 0, {}};
        EXPECT_TRUE(w.HandleDialogKey(label));
        EXPECT_EQ(GetFocus(), w.Hk221->Handle());
        label.wParam = 'C';
        EXPECT_TRUE(w.HandleDialogKey(label));
        EXPECT_EQ(GetFocus(), w.Se231->Handle());
        label.wParam = 'k';  // "Bac&kground color", on the View page
        EXPECT_FALSE(w.HandleDialogKey(label));
        EXPECT_EQ(GetFocus(), w.Se231->Handle());

        // Ctrl+Tab turns to the next page and into its first control; Ctrl+Shift+Tab back.
        MSG tab{w.Cb231->Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        HoldKeys(true, false);
        EXPECT_TRUE(w.HandleDialogKey(tab));
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TabSheet2);
        EXPECT_EQ(GetFocus(), w.Cb111->Handle());
        tab.hwnd = GetFocus();
        EXPECT_TRUE(w.HandleDialogKey(tab));
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TabSheet3);
        tab.hwnd = w.Button3->Handle();  // from outside the pages too
        EXPECT_TRUE(w.HandleDialogKey(tab));
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TabSheet4);
        EXPECT_TRUE(w.HandleDialogKey(tab));
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TabSheet1);
        HoldKeys(true, true);
        EXPECT_TRUE(w.HandleDialogKey(tab));
        EXPECT_EQ(w.PageControl1->ActivePage(), w.TabSheet4);
        HoldKeys(false, false);
        EXPECT_FALSE(w.TabSheet1->Visible());
        w.PageControl1->SetActivePage(w.TabSheet2);
        label.wParam = 'k';
        EXPECT_TRUE(w.HandleDialogKey(label));
        EXPECT_EQ(GetFocus(), w.Sc132->Handle());
        Press(*w.Button4);
    });
}

namespace {

// Sends a key as the message loop does: the window's own keys first, then the dialog manager.
void PressKey(TOptWnd& w, WPARAM key) {
    MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
    if (!w.HandleDialogKey(down)) IsDialogMessageW(w.Handle(), &down);
}

std::vector<bool> Choices(std::initializer_list<ui::RadioButton*> group) {
    std::vector<bool> checked;
    for (auto* radio : group) checked.push_back(radio->Checked());
    return checked;
}

}  // namespace

TEST_F(OptionsWindow, TabAndCtrlTabVisitEachRadioGroupOnceAndNeverChangeAChoice) {
    WriteRawDword("QBoostMethod", 2);  // the third method
    WriteRawDword("IconViewStyle", 2);  // the third style
    WriteRawDword("IconViewData", 1);
    WithWindow([](TOptWnd& w) {
        const auto before = std::make_tuple(Choices({w.Rb111, w.Rb112}), Choices({w.Rb121, w.Rb122, w.Rb123, w.Rb124, w.Rb125}),
                                            Choices({w.Rb311, w.Rb312, w.Rb313}));
        std::vector<HWND> radiosVisited;
        for (int page = 0; page < 4; ++page) {
            for (int press = 0; press < 25; ++press) {
                PressKey(w, VK_TAB);
                if (dynamic_cast<ui::RadioButton*>(ui::WinControl::FromHandle(GetFocus())) &&
                    std::ranges::find(radiosVisited, GetFocus()) == radiosVisited.end())
                    radiosVisited.push_back(GetFocus());
            }
            HoldKeys(true, false);
            PressKey(w, VK_TAB);
            HoldKeys(false, false);
        }
        // Only the checked button of each group is reached.
        EXPECT_EQ(radiosVisited.size(), 3u);
        for (HWND radio : radiosVisited) EXPECT_EQ(SendMessageW(radio, BM_GETCHECK, 0, 0), BST_CHECKED);
        const auto after = std::make_tuple(Choices({w.Rb111, w.Rb112}), Choices({w.Rb121, w.Rb122, w.Rb123, w.Rb124, w.Rb125}),
                                           Choices({w.Rb311, w.Rb312, w.Rb313}));
        EXPECT_EQ(after, before);
        EXPECT_FALSE(w.Button1->Enabled());  // "Apply"
        Press(*w.Button4);
    });
    EXPECT_EQ(ReadRawDword("QBoostMethod"), 2);
}

TEST_F(OptionsWindow, ArrowKeysMoveTheChoiceWithinItsGroupOnly) {
    WriteRawDword("QBoostMethod", 2);
    WithWindow([](TOptWnd& w) {
        w.PageControl1->SetActivePage(w.TabSheet3);
        w.Rb313->SetFocus();
        PressKey(w, VK_DOWN);  // wraps to the first method
        EXPECT_EQ(GetFocus(), w.Rb311->Handle());
        EXPECT_TRUE(w.Rb311->Checked());
        EXPECT_FALSE(w.Rb313->Checked());
        EXPECT_TRUE(w.Se311->Enabled());  // the chosen method's size field follows
        PressKey(w, VK_UP);
        EXPECT_TRUE(w.Rb313->Checked());
        PressKey(w, VK_LEFT);
        EXPECT_TRUE(w.Rb312->Checked());
        EXPECT_TRUE(w.Button1->Enabled());
        // The group's Tab stop follows the choice.
        EXPECT_TRUE(GetWindowLongW(w.Rb312->Handle(), GWL_STYLE) & WS_TABSTOP);
        EXPECT_FALSE(GetWindowLongW(w.Rb313->Handle(), GWL_STYLE) & WS_TABSTOP);
        Press(*w.Button3);
    });
    EXPECT_EQ(ReadRawDword("QBoostMethod"), 1);
}
