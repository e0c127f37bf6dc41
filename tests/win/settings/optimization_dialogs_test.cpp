// The preventive and emergency dialogs: what they read, write and keep out of the store.
#include <gtest/gtest.h>

#include "core/settings/settings_table.h"
#include "settings/emergency_dialog.h"
#include "settings/physical_memory.h"
#include "settings/preventive_dialog.h"
#include "tests/win/settings/settings_window_driver.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"
#include "ui/spin_edit.h"

using namespace testing_support;

namespace {

constexpr std::uint64_t kMB = 1048576;

class OptimizationDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        ResetSettingsKey();
        OverridePhysicalMemoryBytes(512 * kMB);
    }
    void TearDown() override { OverridePhysicalMemoryBytes(0); }

    template <class Dialog>
    int WithDialog(const std::function<void(Dialog&)>& action) {
        auto dialog = ui::CreateForm<Dialog>();
        return ShowModalAndDo(*dialog, [&] { action(*dialog); });
    }
};

const std::vector<std::wstring> kInfoText = {
    L"It is not recommended to modify this settings manually. Changes may ",
    L"decrease the perfomance of your applications.", L"", L"If you're not sure, try to use Configuration Wizard."};

}  // namespace

TEST_F(OptimizationDialogs, BothShowTheirTitlesAndInfoText) {
    WithDialog<TForm9>([](TForm9& d) {
        EXPECT_EQ(d.Caption(), L"[Tessly Dozidi Davazez | Optimization] - Preventive");
        RECT client{};
        GetClientRect(d.Handle(), &client);
        EXPECT_EQ(client.right, 400);
        EXPECT_EQ(client.bottom, 373);
        EXPECT_EQ(d.Memo1->Lines().Lines(), kInfoText);
        EXPECT_EQ(GetFocus(), d.Se11->Handle());
        Press(*d.Button2);
    });
    WithDialog<TForm10>([](TForm10& d) {
        EXPECT_EQ(d.Caption(), L"[Tessly Dozidi Davazez | Optimization] - Emergency");
        EXPECT_EQ(d.Memo1->Lines().Lines(), kInfoText);
        EXPECT_EQ(d.Button1->Caption(), L"Ok");
        EXPECT_EQ(d.Button2->Caption(), L"Cancel");
        Press(*d.Button2);
    });
}

TEST_F(OptimizationDialogs, EveryFieldIsReachedByItsLabelsLetter) {
    auto focusBy = [](ui::Form& d, wchar_t key) {
        MSG alt{d.Handle(), WM_SYSCHAR, key, 0x20000000, 0, {}};
        return d.HandleDialogKey(alt) ? GetFocus() : nullptr;
    };
    WithDialog<TForm9>([&](TForm9& d) {
        if (!d.Cb11->Checked()) Tick(*d.Cb11);  // the processor limits are reachable with it
        EXPECT_EQ(focusBy(d, 'm'), d.Se12->Handle());
        EXPECT_EQ(focusBy(d, 'F'), d.Se11->Handle());
        EXPECT_EQ(focusBy(d, 'h'), d.Se13->Handle());
        EXPECT_EQ(focusBy(d, 'r'), d.Se14->Handle());
        Press(*d.Button2);
    });
    WithDialog<TForm10>([&](TForm10& d) {
        if (!d.Cb21->Checked()) Tick(*d.Cb21);
        EXPECT_EQ(focusBy(d, 'f'), d.Se22->Handle());
        EXPECT_EQ(focusBy(d, 'l'), d.Se21->Handle());
        EXPECT_EQ(focusBy(d, 'h'), d.Se23->Handle());
        EXPECT_EQ(focusBy(d, 'r'), d.Se24->Handle());
        Press(*d.Button2);
    });
}

TEST_F(OptimizationDialogs, TheProcessorLimitsAreEnabledOnlyWithSmartProcessorUsage) {
    WriteRawDword("OnTimeCPUBusyDetect", 0);
    WithDialog<TForm9>([](TForm9& d) {
        EXPECT_FALSE(d.Se13->Enabled());
        EXPECT_FALSE(d.Se14->Enabled());
        EXPECT_FALSE(d.Label5->Enabled());
        Tick(*d.Cb11);
        EXPECT_TRUE(d.Se13->Enabled());
        EXPECT_TRUE(d.Label6->Enabled());
        Press(*d.Button2);
    });
    WriteRawDword("MemMinCPUBusyDetect", -1);
    WithDialog<TForm10>([](TForm10& d) {
        EXPECT_TRUE(d.Se23->Enabled());
        Tick(*d.Cb21);
        EXPECT_FALSE(d.Se23->Enabled());
        EXPECT_FALSE(d.Se24->Enabled());
        Press(*d.Button2);
    });
}

TEST_F(OptimizationDialogs, OkOnAnEmptyStoreWritesTheDefaultsRangeEncoded) {
    EXPECT_EQ(WithDialog<TForm9>([](TForm9& d) { Press(*d.Button1); }), ui::mrOk);
    EXPECT_EQ(ReadRawDword("OnTimeFreeSec"), 240);
    EXPECT_EQ(ReadRawDword("OnTimeFreeSize"), 2097152);
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusyDetect"), -1);
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusyVal"), 4);
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusySec"), 29);

    WithDialog<TForm10>([](TForm10& d) { Press(*d.Button1); });
    EXPECT_EQ(ReadRawDword("MemMinFreeSize"), 9);
    EXPECT_EQ(ReadRawDword("MemMinFreeSizeNeed"), 19);
    EXPECT_EQ(ReadRawDword("MemMinCPUBusyDetect"), -1);
    EXPECT_EQ(ReadRawDword("MemMinCPUBusyVal"), 4);
    EXPECT_EQ(ReadRawDword("MemMinCPUBusySec"), 14);
}

TEST_F(OptimizationDialogs, StoredValuesOpenWithinTheFieldLimits) {
    WriteRawDword("OnTimeCPUBusySec", 149);    // 150, allowed by its range, beyond the field
    WriteRawDword("OnTimeFreeSize", 2621440);  // 2.5 MB: halves round to even
    WriteRawDword("OnTimeCPUBusyDetect", 7);   // any non-zero value is on
    WithDialog<TForm9>([](TForm9& d) {
        EXPECT_EQ(d.Se14->Value(), 120);
        EXPECT_EQ(d.Se12->Value(), 2);
        EXPECT_TRUE(d.Cb11->Checked());
        Press(*d.Button1);
    });
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusySec"), 119);
    EXPECT_EQ(ReadRawDword("OnTimeFreeSize"), 2097152);
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusyDetect"), -1);

    WriteRawDword("MemMinCPUBusySec", 149);
    WriteRawDword("MemMinCPUBusyDetect", 0);
    WithDialog<TForm10>([](TForm10& d) {
        EXPECT_EQ(d.Se24->Value(), 120);
        EXPECT_FALSE(d.Cb21->Checked());
        Tick(*d.Cb21);
        d.Se21->SetValue(150);
        Press(*d.Button1);
    });
    EXPECT_EQ(ReadRawDword("MemMinCPUBusySec"), 119);
    EXPECT_EQ(ReadRawDword("MemMinCPUBusyDetect"), -1);
    EXPECT_EQ(ReadRawDword("MemMinFreeSize"), 99);  // 100, the field's maximum
}

TEST_F(OptimizationDialogs, ReclaimSizeFollowsPhysicalMemoryButNeverPasses2047MB) {
    OverridePhysicalMemoryBytes(96 * kMB);
    WithDialog<TForm9>([](TForm9& d) {
        EXPECT_EQ(d.Se12->MinValue(), 1);
        EXPECT_EQ(d.Se12->MaxValue(), 96);
        Press(*d.Button2);
    });
    OverridePhysicalMemoryBytes(64 * 1024 * kMB);
    WithDialog<TForm9>([](TForm9& d) {
        EXPECT_EQ(d.Se12->MaxValue(), 2047);
        SetWindowTextW(d.Se12->Handle(), L"");
        Type(*d.Se12, L"123456789");
        Press(*d.Button1);
    });
    EXPECT_EQ(ReadRawDword("OnTimeFreeSize"), 2047 * 1048576);
}

TEST_F(OptimizationDialogs, LettersVanishAndAnEmptiedFieldSavesItsMinimum) {
    WithDialog<TForm9>([](TForm9& d) {
        Type(*d.Se11, L"a");
        EXPECT_EQ(d.Se11->Caption(), L"270");
        SetWindowTextW(d.Se11->Handle(), L"");
        Type(*d.Se13, L"x7");
        EXPECT_EQ(d.Se13->Caption(), L"57");
        Press(*d.Button1);
    });
    EXPECT_EQ(ReadRawDword("OnTimeFreeSec"), 0);  // 30, the field's minimum
    EXPECT_EQ(ReadRawDword("OnTimeCPUBusyVal"), 56);

    WithDialog<TForm10>([](TForm10& d) {
        SetWindowTextW(d.Se22->Handle(), L"4b0");
        EXPECT_EQ(d.Se22->Caption(), L"40");
        Press(*d.Button1);
    });
    EXPECT_EQ(ReadRawDword("MemMinFreeSizeNeed"), 39);
}

TEST_F(OptimizationDialogs, CancelAndEscapeWriteNothing) {
    WriteRawDword("OnTimeFreeSec", 100);
    WriteRawDword("MemMinFreeSize", 50);
    WithDialog<TForm9>([](TForm9& d) { Press(*d.Button2); });  // creates the missing values
    WithDialog<TForm10>([](TForm10& d) { Press(*d.Button2); });
    auto before = ListKey(settings::kSettingsKeyPath);
    EXPECT_EQ(before.size(), 10u);

    int result = WithDialog<TForm9>([](TForm9& d) {
        d.Se11->SetValue(31);
        Tick(*d.Cb11);
        Press(*d.Button2);
    });
    EXPECT_EQ(result, ui::mrCancel);
    result = WithDialog<TForm10>([](TForm10& d) {
        d.Se21->SetValue(3);
        PostMessageW(d.Se21->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, ui::mrCancel);
    EXPECT_EQ(ListKey(settings::kSettingsKeyPath), before);

    // Enter in a field is "Ok".
    result = WithDialog<TForm10>([](TForm10& d) {
        d.Se21->SetValue(3);
        PostMessageW(d.Se21->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(result, ui::mrOk);
    EXPECT_EQ(ReadRawDword("MemMinFreeSize"), 2);
}
