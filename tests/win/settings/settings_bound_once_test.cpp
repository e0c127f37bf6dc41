// Every value of the settings table has exactly one keeper: a control of a settings window
// (through that window's bindings) or the code listed as keeping it elsewhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/settings/settings_table.h"
#include "settings/emergency_dialog.h"
#include "settings/options_window.h"
#include "settings/physical_memory.h"
#include "settings/preventive_dialog.h"
#include "settings/settings_kept_elsewhere.h"
#include "tests/win/support/test_support.h"
#include "tests/win/ui/modal_driver.h"
#include "ui/form_loader.h"

using namespace testing_support;

namespace {

std::vector<std::string> TableNames() {
    std::vector<std::string> names;
    for (const auto& s : settings::AllIntSettings()) names.emplace_back(s.name);
    for (const auto& s : settings::AllTextSettings()) names.emplace_back(s.name);
    for (const auto& s : settings::AllBinarySettings()) names.emplace_back(s.name);
    return names;
}

// Who keeps each value: "TOptWnd", "TForm9", ... or the keeper named in the list.
std::multimap<std::string, std::string> Keepers() {
    std::multimap<std::string, std::string> keepers;
    auto options = ui::CreateForm<TOptWnd>();
    for (const auto& b : options->Bindings()) keepers.emplace(b.setting, "TOptWnd");
    auto preventive = ui::CreateForm<TForm9>();
    for (const auto& b : preventive->Bindings()) keepers.emplace(b.setting, "TForm9");
    auto emergency = ui::CreateForm<TForm10>();
    for (const auto& b : emergency->Bindings()) keepers.emplace(b.setting, "TForm10");
    for (const auto& kept : settings::kSettingsKeptElsewhere) keepers.emplace(kept.setting, kept.keeper);
    return keepers;
}

class SettingsBoundOnce : public ::testing::Test {
protected:
    void SetUp() override {
        InitializeKit();
        ResetSettingsKey();
    }
};

}  // namespace

TEST_F(SettingsBoundOnce, EveryValueOfTheTableHasExactlyOneKeeper) {
    const auto keepers = Keepers();
    for (const std::string& name : TableNames()) {
        const auto count = keepers.count(name);
        EXPECT_EQ(count, 1u) << name << (count == 0 ? " is bound by no settings window and kept by no listed code"
                                                    : " is kept in more than one place");
    }
}

TEST_F(SettingsBoundOnce, EveryBoundOrListedValueIsInTheTable) {
    const auto names = TableNames();
    for (const auto& [setting, keeper] : Keepers())
        EXPECT_NE(std::ranges::find(names, setting), names.end()) << keeper << " keeps " << setting << ", which the table lacks";
}

// The dialogs' spin fields offer what the table gives, whatever their descriptions say.
TEST_F(SettingsBoundOnce, RangedFieldsTakeTheirLimitsFromTheTable) {
    auto preventive = ui::CreateForm<TForm9>();
    auto emergency = ui::CreateForm<TForm10>();
    const std::pair<ui::SpinEdit*, settings::IntSetting> fields[] = {
        {preventive->Se11, settings::OnTimeFreeSec},    {preventive->Se13, settings::OnTimeCPUBusyVal},
        {preventive->Se14, settings::OnTimeCPUBusySec}, {emergency->Se21, settings::MemMinFreeSize},
        {emergency->Se22, settings::MemMinFreeSizeNeed}, {emergency->Se23, settings::MemMinCPUBusyVal},
        {emergency->Se24, settings::MemMinCPUBusySec},
    };
    for (const auto& [field, setting] : fields) {
        EXPECT_EQ(field->MinValue(), setting.min) << setting.name;
        EXPECT_EQ(field->MaxValue(), setting.OfferedMax()) << setting.name;
    }
}
