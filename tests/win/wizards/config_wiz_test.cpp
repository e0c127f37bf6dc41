// The configuration wizard on machines of several sizes: what it reports and what "Finish"
// writes to the system cache setting and the settings store.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "core/settings/settings_table.h"
#include "settings/physical_memory.h"
#include "settings/settings_store.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "tests/win/support/policy_values.h"
#include "tests/win/support/test_support.h"
#include "tests/win/wizards/dialog_answerer.h"
#include "tests/win/wizards/wizard_driver.h"
#include "ui/form_loader.h"
#include "wizards/config_wiz.h"
#include "wizards/system_cache.h"
#include "wizards/wizard_components.h"

using namespace testing_support;
using wizards::bkBack;
using wizards::bkFinish;
using wizards::bkNext;

namespace {

constexpr std::uint64_t kMB = 1048576;
constexpr const char* kMemoryKey = "SYSTEM\\ControlSet001\\Control\\Session Manager\\Memory Management";

std::optional<DWORD> LargeSystemCacheValue() {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kMemoryKey, "LargeSystemCache", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetLargeSystemCache(DWORD value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kMemoryKey, "LargeSystemCache", REG_DWORD, &value, sizeof value);
}

std::int32_t Stored(const settings::IntSetting& s) {
    SettingsSession session;
    return ReadSetting(s);
}

class ConfigWizard : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        wizards::RegisterWizardComponents();
        ResetSettingsKey();
        RemoveAllPolicies();
        SetLargeSystemCache(0);
    }
    void TearDown() override {
        RemoveAllPolicies();
        OverridePhysicalMemoryBytes(0);
        wizards::OverrideSystemCacheRoot(nullptr);
        SetLargeSystemCache(0);
    }

    // Answers both questions on a machine of `megabytes` and presses Finish; returns what
    // the report said.
    std::vector<std::wstring> Run(std::uint64_t bytes, ui::RadioButton* TConfigWiz::*answer, unsigned boxes) {
        OverridePhysicalMemoryBytes(bytes);
        auto wizard = ui::CreateForm<TConfigWiz>();
        std::vector<std::wstring> report;
        int result = ShowModalAndDo(*wizard, [&] {
            TConfigWiz& w = *wizard;
            Press(*w.ConfigWizard, bkNext);
            SendMessageW((w.*answer)->Handle(), BM_CLICK, 0, 0);
            Press(*w.ConfigWizard, bkNext);
            ui::CheckBox* all[] = {w.CheckBox1, w.CheckBox2, w.CheckBox3, w.CheckBox4, w.CheckBox5, w.CheckBox6};
            for (unsigned i = 0; i < 6; ++i)
                if (boxes & (1u << i)) SendMessageW(all[i]->Handle(), BM_CLICK, 0, 0);
            Press(*w.ConfigWizard, bkNext);
            EXPECT_EQ(w.ConfigWizard->ActivePage(), w.KWizardInteriorPage3);
            report = w.Memo1->Lines().Lines();
            Press(*w.ConfigWizard, bkFinish);
        });
        EXPECT_EQ(result, ui::mrOk);
        return report;
    }
};

}  // namespace

TEST_F(ConfigWizard, OpensOnTheMachineSummaryWithTheThirdAnswerChosen) {
    OverridePhysicalMemoryBytes(256 * kMB);
    auto wizard = ui::CreateForm<TConfigWiz>();
    int result = ShowModalAndDo(*wizard, [&] {
        TConfigWiz& w = *wizard;
        EXPECT_EQ(w.Caption(), L"[Tessly Dozidi Davazez] - New configuration wizard");
        RECT client{};
        GetClientRect(w.Handle(), &client);
        EXPECT_EQ(client.right, 500);
        EXPECT_EQ(client.bottom, 290);
        EXPECT_EQ(w.ConfigWizard->ActivePage(), w.KWizardWelcomePage1);
        EXPECT_EQ(GetFocus(), w.Memo2->Handle());
        const auto& lines = w.Memo2->Lines().Lines();
        ASSERT_GE(lines.size(), 15u);
        EXPECT_EQ(lines[0].substr(0, 13), L"Processor  : ");
        EXPECT_EQ(lines[0].size(), 13u + 12u);
        EXPECT_EQ(lines[3].substr(0, 9), L"  Build: ");
        EXPECT_EQ(lines[6], L"Cache settings : Home computer");
        EXPECT_EQ(lines[8], L"Memory     : ");
        EXPECT_EQ(lines[10], L"  total   = 256 MB");
        EXPECT_EQ(lines[12], L"Page file  : ");
        EXPECT_TRUE(w.RadioButton3->Checked());
        // The watermark picture fills its column without stretching.
        const ui::Picture& watermark = w.KWizardWelcomePage1->WaterMark().Image().GetPicture();
        EXPECT_EQ(watermark.Width(), 162);
        EXPECT_EQ(watermark.Height(), 246);
        EXPECT_EQ(w.KWizardInteriorPage1->Header().Title().TitleFont().Name(), w.TextFont().Name());
        EXPECT_FALSE(w.ConfigWizard->Button(bkBack).Control().Enabled());
        EXPECT_EQ(w.ConfigWizard->Button(wizards::bkCancel).ModalResult(), ui::mrCancel);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, ui::mrCancel);
    // Cancel writes nothing.
    EXPECT_EQ(ReadRawDword("CFGConfigWizardComplete"), std::nullopt);
    EXPECT_EQ(ReadRawDword("MemMinFreeSize"), std::nullopt);
}

TEST_F(ConfigWizard, ALabelChecksItsAnswerOnlyWhenTheButtonIsReleased) {
    auto wizard = ui::CreateForm<TConfigWiz>();
    ui::MouseArgs press;
    press.sender = wizard->Label1;
    wizard->Label1->MouseDown(press);
    EXPECT_FALSE(wizard->RadioButton1->Enabled());
    EXPECT_FALSE(wizard->RadioButton1->Checked());
    wizard->Label1->MouseUp(press);
    EXPECT_TRUE(wizard->RadioButton1->Enabled());
    EXPECT_TRUE(wizard->RadioButton1->Checked());
    EXPECT_FALSE(wizard->RadioButton3->Checked());
}

TEST_F(ConfigWizard, A256MegabyteMachineWith3DProgramsAndBothProblems) {
    std::vector<std::wstring> report = Run(256 * kMB, &TConfigWiz::RadioButton3, 1u << 3);
    EXPECT_EQ(
        report, (std::vector<std::wstring>{
                    L"The configuration of your system", L"will be changed now.", L"",
                    L"Cache settings    : File-Server", L"Min. free memory  : 64", L"Min. cache memory : 32", L"",
                    L"Optimization details :", L"  Preventive      : NO", L"  Emergency       : YES",
                    L"  Quality         : fast", L"", L"QuickBoost details :", L"  quickboost will free up 64 MB"})
    );
    EXPECT_EQ(LargeSystemCacheValue(), 1u);
    EXPECT_EQ(ReadRawDword("DefragPassesNum"), -1);
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 33554432);
    EXPECT_EQ(ReadRawDword("OnTimeFree"), 0);
    EXPECT_EQ(ReadRawDword("MemMinFree"), -1);
    EXPECT_EQ(Stored(settings::MemMinFreeSize), 23);
    EXPECT_EQ(Stored(settings::MemMinFreeSizeNeed), 27);
    EXPECT_EQ(ReadRawDword("CFGConfigWizardComplete"), -1);
}

TEST_F(ConfigWizard, WhatAPolicyFixesIsReportedAsTheAdministratorSetItAndNotWritten) {
    WriteRawDword("MemMinFree", 0);  // the user's own choice
    ScopedPolicy preventive(HKEY_LOCAL_MACHINE, "OnTimeFree", 1);
    ScopedPolicy emergency(HKEY_LOCAL_MACHINE, "MemMinFree", 0);
    ScopedPolicy threshold(HKEY_CURRENT_USER, "MemMinFreeSize", 40);
    std::vector<std::wstring> report = Run(256 * kMB, &TConfigWiz::RadioButton3, 1u << 3);
    EXPECT_EQ(report.at(8), L"  Preventive      : YES");
    EXPECT_EQ(report.at(9), L"  Emergency       : NO");
    EXPECT_EQ(ReadRawDword("OnTimeFree"), std::nullopt);
    EXPECT_EQ(ReadRawDword("MemMinFree"), 0);
    EXPECT_EQ(ReadRawDword("MemMinFreeSize"), std::nullopt);
    // The rest of the plan is the user's and is written.
    EXPECT_EQ(Stored(settings::MemMinFreeSizeNeed), 27);
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 33554432);
}

TEST_F(ConfigWizard, A64MegabyteMachineWithSlowRunningProgramsAndNoKinds) {
    Run(64 * kMB, &TConfigWiz::RadioButton1, 0);
    EXPECT_EQ(LargeSystemCacheValue(), 0u);
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 16777216);
    EXPECT_EQ(ReadRawDword("OnTimeFree"), -1);
    EXPECT_EQ(ReadRawDword("MemMinFree"), -1);
    EXPECT_EQ(Stored(settings::MemMinFreeSize), 19);
    EXPECT_EQ(Stored(settings::MemMinFreeSizeNeed), 31);
}

TEST_F(ConfigWizard, A32MegabyteMachineCutsTheTargetsToItsSize) {
    std::vector<std::wstring> report = Run(32 * kMB, &TConfigWiz::RadioButton2, 1u << 3);
    EXPECT_EQ(report[4], L"Min. free memory  : 16");
    EXPECT_EQ(report[5], L"Min. cache memory : 8");
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 8388608);
    EXPECT_EQ(Stored(settings::MemMinFreeSize), 38);
    EXPECT_EQ(Stored(settings::MemMinFreeSizeNeed), 62);
}

TEST_F(ConfigWizard, A16GigabyteMachineKeepsItsThresholdsInRange) {
    std::vector<std::wstring> report = Run(16384 * kMB, &TConfigWiz::RadioButton1, 0x3F);
    EXPECT_EQ(report[4], L"Min. free memory  : 64");
    EXPECT_EQ(report[5], L"Min. cache memory : 32");
    EXPECT_EQ(ReadRawDword("UntouchableCacheSize"), 33554432);
    // A few megabytes of 16 GB round to 0 %, which the range does not hold.
    EXPECT_EQ(Stored(settings::MemMinFreeSize), 1);
    EXPECT_EQ(Stored(settings::MemMinFreeSizeNeed), 1);
}

// A standard user may not change the machine's cache mode. The system's refusal is stood in
// by a root key that cannot be opened, since this system grants every registry access.
TEST_F(ConfigWizard, ARefusedCacheSettingIsSaidOnceAndTheUsersAnswersAreKept) {
    wizards::OverrideSystemCacheRoot(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654321)));
    OverridePhysicalMemoryBytes(256 * kMB);
    auto wizard = ui::CreateForm<TConfigWiz>();
    DialogAnswerer answerer;
    int result = ShowModalAndDo(*wizard, [&] {
        TConfigWiz& w = *wizard;
        Press(*w.ConfigWizard, bkNext);
        Press(*w.ConfigWizard, bkNext);
        Press(*w.ConfigWizard, bkNext);
        Press(*w.ConfigWizard, bkFinish);
    });
    EXPECT_EQ(result, ui::mrOk);
    ASSERT_EQ(answerer.Messages().size(), 1u);
    EXPECT_EQ(answerer.Messages()[0], platform::LoadResString(str::SSystemCacheNeedsAdmin));
    EXPECT_EQ(ReadRawDword("CFGConfigWizardComplete"), -1);
    EXPECT_TRUE(ReadRawDword("MemMinFreeSize").has_value());
    EXPECT_EQ(LargeSystemCacheValue(), 0u);
}
