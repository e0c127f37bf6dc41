// Settings an administrator fixed by policy: the settings windows show the policy's value in
// locked controls that say why, and never write over the user's own values.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>

#include "core/settings/autostart.h"
#include "core/settings/policy_value.h"
#include "core/settings/settings_table.h"
#include "platform/program_folder.h"
#include "platform/registry.h"
#include "settings/options_window.h"
#include "settings/physical_memory.h"
#include "settings/policies.h"
#include "settings/preventive_dialog.h"
#include "settings/settings_store.h"
#include "tests/win/settings/settings_window_driver.h"
#include "tests/win/support/policy_values.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/hot_key.h"
#include "ui/list_box.h"
#include "ui/spin_edit.h"

using namespace testing_support;

namespace {

constexpr std::uint16_t kCtrlShiftF = settings::kHotKeyCtrl | settings::kHotKeyShift | 'F';

platform::RegistryKey RunKey() {
    return platform::RegistryKey::Create(HKEY_CURRENT_USER, platform::AsciiName(settings::kRunKeyPath));
}

bool AutostartValueSet() { return RunKey().HasValue(platform::AsciiName(settings::kRunValueName)); }

// The texts of the tooltip's tools whose rectangles lie where `control` is.
std::vector<std::wstring> TipsOver(const ui::Form& form, const ui::Control& control) {
    std::vector<std::wstring> texts;
    HWND tip = form.Hints().Handle();
    if (!tip) return texts;
    const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        if (!SendMessageW(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tool))) continue;
        const RECT bounds = control.BoundsRect();
        if (tool.hwnd == control.Parent()->Handle() && EqualRect(&tool.rect, &bounds)) texts.emplace_back(text);
    }
    return texts;
}

void ExpectLocked(const ui::Form& form, const ui::Control& control) {
    EXPECT_TRUE(control.Locked());
    EXPECT_FALSE(control.Enabled());
    EXPECT_EQ(TipsOver(form, control), std::vector<std::wstring>{L"Set by your administrator"});
}

class PolicyLock : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        ResetSettingsKey();
        RemoveAllPolicies();
        RunKey().DeleteValue(platform::AsciiName(settings::kRunValueName));
        OverridePhysicalMemoryBytes(512 * 1048576);
        // The user's own choices.
        SettingsSession session;
        WriteSetting(settings::OnTimeFree, settings::kTrue);
        WriteSetting(settings::OnTimeFreeSec, 100);
        WriteSetting(settings::QBoostMethod, 1);
        WriteSetting(settings::ExcludedPrograms, L"game.exe");
    }
    void TearDown() override {
        RemoveAllPolicies();
        OverridePhysicalMemoryBytes(0);
        RunKey().DeleteValue(platform::AsciiName(settings::kRunValueName));
    }

    template <class Window>
    void WithWindow(const std::function<void(Window&)>& action) {
        auto window = ui::CreateForm<Window>();
        ShowModalAndDo(*window, [&] { action(*window); });
    }
};

}  // namespace

TEST_F(PolicyLock, TheOptionsWindowShowsPolicyValuesLockedAndSaysWhy) {
    ScopedPolicy preventive(HKEY_LOCAL_MACHINE, "OnTimeFree", 0);
    ScopedPolicy hotKey(HKEY_LOCAL_MACHINE, "HotFreeKey", L"Ctrl+Shift+F");
    ScopedPolicy method(HKEY_LOCAL_MACHINE, "QBoostMethod", 2);
    ScopedPolicy excluded(HKEY_CURRENT_USER, "ExcludedPrograms", L"backup.exe; sync.exe");
    ScopedPolicy autostart(HKEY_LOCAL_MACHINE, "Autostart", 1);
    WithWindow<TOptWnd>([](TOptWnd& w) {
        EXPECT_FALSE(w.Cb231->Checked());
        ExpectLocked(w, *w.Cb231);
        EXPECT_EQ(w.Hk222->ShortCut(), kCtrlShiftF);
        ExpectLocked(w, *w.Hk222);
        EXPECT_TRUE(w.Rb313->Checked());
        for (ui::Control* c : std::initializer_list<ui::Control*>{w.Rb311, w.Rb312, w.Rb313}) ExpectLocked(w, *c);
        EXPECT_EQ(w.Lb431->Items().Count(), 2);
        for (ui::Control* c : std::initializer_list<ui::Control*>{w.CmBox431, w.B431, w.Lb431, w.B432}) ExpectLocked(w, *c);
        EXPECT_TRUE(w.Cb211->Checked());
        ExpectLocked(w, *w.Cb211);
        // The rest is the user's to change.
        for (ui::Control* c : std::initializer_list<ui::Control*>{w.Cb232, w.Hk221, w.Hk223, w.CmBox421, w.Cb411})
            EXPECT_TRUE(c->Enabled() && !c->Locked());
        EXPECT_TRUE(TipsOver(w, *w.Cb232).empty());
        // Checking a quick-boost method cannot unlock its size field.
        EXPECT_FALSE(w.Se311->Enabled());
        Press(*w.Button4);
    });
}

TEST_F(PolicyLock, OkKeepsTheUsersOwnValuesAndSavesTheRest) {
    {
        ScopedPolicy preventive(HKEY_LOCAL_MACHINE, "OnTimeFree", 0);
        ScopedPolicy method(HKEY_LOCAL_MACHINE, "QBoostMethod", 2);
        ScopedPolicy excluded(HKEY_LOCAL_MACHINE, "ExcludedPrograms", L"backup.exe");
        ScopedPolicy autostart(HKEY_LOCAL_MACHINE, "Autostart", 1);
        WithWindow<TOptWnd>([](TOptWnd& w) {
            Tick(*w.Cb112);  // a value no policy fixes
            Press(*w.Button3);
        });
        SettingsSession session;
        EXPECT_EQ(ReadSetting(settings::OnTimeFree), settings::kTrue);
        EXPECT_EQ(ReadSetting(settings::QBoostMethod), 1);
        EXPECT_EQ(ReadSetting(settings::ExcludedPrograms), L"game.exe");
        EXPECT_EQ(ReadSetting(settings::IconViewAnimate), 1);
        EXPECT_FALSE(AutostartValueSet());
    }
    // Without the policies the user's own values are back, and the controls are free.
    WithWindow<TOptWnd>([](TOptWnd& w) {
        EXPECT_TRUE(w.Cb231->Checked());
        EXPECT_TRUE(w.Cb231->Enabled());
        EXPECT_TRUE(w.Rb312->Checked());
        EXPECT_TRUE(w.Rb313->Enabled());
        EXPECT_EQ(w.Lb431->Items().Count(), 1);
        EXPECT_FALSE(w.Cb211->Checked());
        EXPECT_FALSE(w.Cb211->Locked());
        EXPECT_EQ(w.Hints().Handle(), nullptr);
        Press(*w.Button4);
    });
}

TEST_F(PolicyLock, APolicyGoneWhileTheWindowIsOpenLeavesTheUsersOwnValue) {
    auto preventive = std::make_unique<ScopedPolicy>(HKEY_LOCAL_MACHINE, "OnTimeFree", 0);
    WithWindow<TOptWnd>([&](TOptWnd& w) {
        ExpectLocked(w, *w.Cb231);
        preventive.reset();  // the administrator takes it back before Ok
        Press(*w.Button3);
    });
    SettingsSession session;
    EXPECT_EQ(ReadSetting(settings::OnTimeFree), settings::kTrue);  // not the policy's "off"
}

TEST_F(PolicyLock, TheMachinesPolicyWinsAndAValueThatMeansNothingSetsNothing) {
    ScopedPolicy user(HKEY_CURRENT_USER, "OnTimeFreeSec", 200);
    EXPECT_EQ(PolicyValue(settings::OnTimeFreeSec), 200);
    {
        ScopedPolicy machine(HKEY_LOCAL_MACHINE, "OnTimeFreeSec", 400);
        EXPECT_EQ(PolicyValue(settings::OnTimeFreeSec), 400);
        WithWindow<TForm9>([](TForm9& d) {
            EXPECT_EQ(d.Se11->Value(), 400);
            ExpectLocked(d, *d.Se11);
            EXPECT_TRUE(d.Se12->Enabled());
            Press(*d.Button1);
        });
        SettingsSession session;
        EXPECT_EQ(ReadSetting(settings::OnTimeFreeSec), 100);
    }
    {
        ScopedPolicy machine(HKEY_LOCAL_MACHINE, "OnTimeFreeSec", L"soon");
        EXPECT_EQ(PolicyValue(settings::OnTimeFreeSec), 200);
    }
    ScopedPolicy machineHotKey(HKEY_LOCAL_MACHINE, "HotFreeKey", L"Win+F");
    EXPECT_EQ(PolicyValue(settings::HotFreeKey), std::nullopt);
    EXPECT_FALSE(SetByPolicy("HotFreeKey"));
    EXPECT_TRUE(SetByPolicy("OnTimeFreeSec"));
    // Read through the layer the service uses, the policy's value is the one in force.
    SettingsSession session;
    EXPECT_EQ(ReadEffective(settings::OnTimeFreeSec), 200);
    EXPECT_EQ(ReadEffective(settings::HotFreeKey), settings::HotFreeKey.defaultValue);
}
