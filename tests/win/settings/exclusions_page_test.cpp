// The options window's Exclusions page: what it loads and stores, and how its two program
// lists are edited with the mouse and the keyboard.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings/settings_table.h"
#include "platform/registry.h"
#include "settings/options_window.h"
#include "settings/physical_memory.h"
#include "tests/win/settings/settings_window_driver.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/list_box.h"

using namespace testing_support;

namespace {

std::optional<std::wstring> StoredText(const char* name) {
    return platform::RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath))
        .ReadString(platform::AsciiName(name));
}

void StoreText(const char* name, const std::wstring& text) {
    platform::RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kSettingsKeyPath))
        .WriteString(platform::AsciiName(name), text);
}

// The text field of an editable drop-down list.
HWND FieldOf(ui::ComboBox& list) { return GetWindow(list.Handle(), GW_CHILD); }

void TypeInto(ui::ComboBox& list, const std::wstring& keys) {
    SetFocus(FieldOf(list));
    for (wchar_t c : keys) SendMessageW(FieldOf(list), WM_CHAR, c, 0);
}

// Selects entry `index` as a click in the list does.
void Select(ui::ListBox& list, int index) {
    HWND h = list.Handle();
    SendMessageW(h, LB_SETCURSEL, index, 0);
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), LBN_SELCHANGE), reinterpret_cast<LPARAM>(h));
}

std::vector<std::wstring> Shown(ui::ListBox& list) { return list.Items().Lines(); }

class ExclusionsPage : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        ResetSettingsKey();
        OverridePhysicalMemoryBytes(512 * 1048576ull);
    }
    void TearDown() override { OverridePhysicalMemoryBytes(0); }

    int WithWindow(const std::function<void(TOptWnd&)>& action) {
        auto window = ui::CreateForm<TOptWnd>();
        return ShowModalAndDo(*window, [&] {
            window->PageControl1->SetActivePage(window->TabSheet4);
            action(*window);
        });
    }
};

}  // namespace

TEST_F(ExclusionsPage, OpensWithTheDefaultsAndTheRunningProgramsOnOffer) {
    WithWindow([](TOptWnd& w) {
        EXPECT_EQ(w.TabSheet4->Caption(), L"Exclusions");
        EXPECT_TRUE(w.Cb411->Checked());
        EXPECT_TRUE(Shown(*w.Lb421).empty());
        EXPECT_TRUE(Shown(*w.Lb431).empty());
        EXPECT_FALSE(w.B422->Enabled());  // nothing selected to remove
        EXPECT_FALSE(w.B432->Enabled());
        // This test program runs, so both drop-downs offer it.
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring self = wcsrchr(path, L'\\') + 1;
        for (ui::ComboBox* field : {w.CmBox421, w.CmBox431}) {
            const auto& offered = field->Items().Lines();
            EXPECT_TRUE(std::ranges::any_of(offered, [&](const std::wstring& n) { return _wcsicmp(n.c_str(), self.c_str()) == 0; }))
                << "running programs offered: " << offered.size();
        }
        Press(*w.Button4);
    });
}

TEST_F(ExclusionsPage, ValuesRoundTripThroughTheStore) {
    int result = WithWindow([](TOptWnd& w) {
        Tick(*w.Cb411);
        TypeInto(*w.CmBox421, L"game.exe");
        Press(*w.B421);
        TypeInto(*w.CmBox421, L"C:\\Tools\\Slides.EXE");  // only the file name counts
        Press(*w.B421);
        TypeInto(*w.CmBox431, L"  backup.exe ");
        Press(*w.B431);
        EXPECT_EQ(w.CmBox421->Caption(), L"");  // the field is emptied for the next name
        Press(*w.Button3);
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(ReadRawDword("QuietFullScreen"), 0);
    EXPECT_EQ(StoredText("QuietPrograms"), L"game.exe;Slides.EXE");
    EXPECT_EQ(StoredText("ExcludedPrograms"), L"backup.exe");

    WithWindow([](TOptWnd& w) {
        EXPECT_FALSE(w.Cb411->Checked());
        EXPECT_EQ(Shown(*w.Lb421), (std::vector<std::wstring>{L"game.exe", L"Slides.EXE"}));
        EXPECT_EQ(Shown(*w.Lb431), (std::vector<std::wstring>{L"backup.exe"}));
        Press(*w.Button4);
    });
}

TEST_F(ExclusionsPage, StoredListsAreShownCleanedAndSavedAsShown) {
    StoreText("QuietPrograms", L" a.exe ;;A.EXE;D:\\b.exe;");
    WithWindow([](TOptWnd& w) {
        EXPECT_EQ(Shown(*w.Lb421), (std::vector<std::wstring>{L"a.exe", L"b.exe"}));
        Press(*w.Button3);
    });
    EXPECT_EQ(StoredText("QuietPrograms"), L"a.exe;b.exe");
}

TEST_F(ExclusionsPage, BlankAndRepeatedNamesAreNotAdded) {
    StoreText("ExcludedPrograms", L"game.exe");
    WithWindow([](TOptWnd& w) {
        TypeInto(*w.CmBox431, L"   ");
        Press(*w.B431);
        TypeInto(*w.CmBox431, L"");
        Press(*w.B431);
        SetWindowTextW(FieldOf(*w.CmBox431), L"");
        TypeInto(*w.CmBox431, L"GAME.EXE");
        Press(*w.B431);
        EXPECT_EQ(Shown(*w.Lb431), (std::vector<std::wstring>{L"game.exe"}));
        EXPECT_FALSE(w.Button1->Enabled());  // nothing changed, nothing to apply
        Press(*w.Button4);
    });
}

TEST_F(ExclusionsPage, RemoveTakesOffTheSelectedNameAndEnablesApply) {
    StoreText("QuietPrograms", L"a.exe;b.exe;c.exe");
    WithWindow([](TOptWnd& w) {
        Select(*w.Lb421, 1);
        EXPECT_TRUE(w.B422->Enabled());
        Press(*w.B422);
        EXPECT_EQ(Shown(*w.Lb421), (std::vector<std::wstring>{L"a.exe", L"c.exe"}));
        EXPECT_EQ(w.Lb421->ItemIndex(), 1);  // the next one is selected for another Remove
        EXPECT_TRUE(w.Button1->Enabled());
        Press(*w.B422);
        Press(*w.B422);
        EXPECT_TRUE(Shown(*w.Lb421).empty());
        EXPECT_FALSE(w.B422->Enabled());
        Press(*w.Button3);
    });
    EXPECT_EQ(StoredText("QuietPrograms"), L"");
}

TEST_F(ExclusionsPage, EnterInTheNameFieldAddsInsteadOfClosingTheWindow) {
    int result = WithWindow([](TOptWnd& w) {
        TypeInto(*w.CmBox421, L"player.exe");
        PostMessageW(FieldOf(*w.CmBox421), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(w.Button3->Handle(), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(StoredText("QuietPrograms"), L"player.exe");
}

TEST_F(ExclusionsPage, ApplyStoresTheListsAndKeepsTheWindowOpen) {
    WithWindow([](TOptWnd& w) {
        TypeInto(*w.CmBox431, L"editor.exe");
        Press(*w.B431);
        EXPECT_TRUE(w.Button1->Enabled());
        Press(*w.Button1);
        EXPECT_FALSE(w.Button1->Enabled());
        EXPECT_EQ(StoredText("ExcludedPrograms"), L"editor.exe");
        Press(*w.Button4);
    });
}

TEST_F(ExclusionsPage, KeyboardReachesEveryControlInOrder) {
    StoreText("QuietPrograms", L"a.exe");
    WithWindow([](TOptWnd& w) {
        std::vector<HWND> order;
        HWND start = w.Cb411->Handle();
        HWND h = start;
        do {
            order.push_back(h);
            h = GetNextDlgTabItem(w.Handle(), h, FALSE);
        } while (h && h != start && order.size() < 40);
        std::vector<HWND> expected = {w.Cb411->Handle(), w.CmBox421->Handle(), w.B421->Handle(),
                                      w.Lb421->Handle(), w.CmBox431->Handle(), w.B431->Handle(),
                                      w.Lb431->Handle(), w.Button3->Handle(),  w.Button4->Handle()};
        EXPECT_EQ(order, expected);  // both Remove buttons and "Apply" are disabled

        // Alt plus a label's letter goes into its name field; Alt+F ticks the full-screen box.
        MSG key{w.Cb411->Handle(), WM_SYSCHAR, 'n', 0x20000000, 0, {}};
        EXPECT_TRUE(w.HandleDialogKey(key));
        EXPECT_EQ(GetParent(GetFocus()), w.CmBox421->Handle());
        key.wParam = 'g';
        EXPECT_TRUE(w.HandleDialogKey(key));
        EXPECT_EQ(GetParent(GetFocus()), w.CmBox431->Handle());
        key.wParam = 'f';
        IsDialogMessageW(w.Handle(), &key);
        EXPECT_EQ(GetFocus(), w.Cb411->Handle());
        EXPECT_FALSE(w.Cb411->Checked());
        Press(*w.Button4);
    });
}
