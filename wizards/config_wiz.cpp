#include "wizards/config_wiz.h"

#include <string>

#include "core/settings/settings_table.h"
#include "core/wizards/memory_sizes.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "settings/physical_memory.h"
#include "settings/policies.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "wizards/system_cache.h"
#include "wizards/system_summary.h"

namespace {

using platform::LoadResString;
using wizards::SummaryText;

unsigned SummaryTextId(SummaryText text) {
    switch (text) {
        case SummaryText::ConfigurationOfYourSystem:
            return str::SSummaryConfiguration;
        case SummaryText::WillBeChangedNow:
            return str::SSummaryWillChange;
        case SummaryText::CacheFileServer:
            return str::SSummaryCacheServer;
        case SummaryText::CacheHomeComputer:
            return str::SSummaryCacheHome;
        case SummaryText::MinFreeMemory:
            return str::SSummaryMinFree;
        case SummaryText::MinCacheMemory:
            return str::SSummaryMinCache;
        case SummaryText::OptimizationDetails:
            return str::SSummaryOptimization;
        case SummaryText::Preventive:
            return str::SSummaryPreventive;
        case SummaryText::Emergency:
            return str::SSummaryEmergency;
        case SummaryText::Quality:
            return str::SSummaryQuality;
        case SummaryText::QuickBoostDetails:
            return str::SSummaryQuickBoost;
        case SummaryText::QuickBoostFreesUp:
            return str::SSummaryFreesUp;
        case SummaryText::Yes:
            return str::SSummaryYes;
        case SummaryText::No:
            return str::SSummaryNo;
        case SummaryText::Fast:
            return str::SSummaryFast;
        case SummaryText::Megabytes:
            return str::SMegabytes;
        case SummaryText::None:
            break;
    }
    return 0;
}

std::wstring Text(SummaryText text) { return text == SummaryText::None ? L"" : LoadResString(SummaryTextId(text)); }

std::wstring JoinLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text += line + L"\r\n";
    return text;
}

// A label pressed holds its radio button off; released, it checks it.
void PressLabel(ui::RadioButton& button) { button.SetEnabled(false); }

void ReleaseLabel(ui::RadioButton& button) {
    button.SetEnabled(true);
    button.SetChecked(true);
}

}  // namespace

UI_DEFINE_FORM(TConfigWiz, ui::Form);

void TConfigWiz::FormCreate(ui::NotifyArgs&) { Memo2->Lines().SetText(JoinLines(wizards::SystemSummaryLines())); }

void TConfigWiz::Label1MouseDown(ui::MouseArgs&) { PressLabel(*RadioButton1); }
void TConfigWiz::Label2MouseDown(ui::MouseArgs&) { PressLabel(*RadioButton2); }
void TConfigWiz::Label3MouseDown(ui::MouseArgs&) { PressLabel(*RadioButton3); }
void TConfigWiz::Label1MouseUp(ui::MouseArgs&) { ReleaseLabel(*RadioButton1); }
void TConfigWiz::Label2MouseUp(ui::MouseArgs&) { ReleaseLabel(*RadioButton2); }
void TConfigWiz::Label3MouseUp(ui::MouseArgs&) { ReleaseLabel(*RadioButton3); }

void TConfigWiz::KWizardInteriorPage1NextButtonClick(wizards::WizardPageClickArgs&) {
    using wizards::Experience;
    Experience experience = RadioButton1->Checked()   ? Experience::SlowWhileRunning
                            : RadioButton2->Checked() ? Experience::SlowToStart
                                                      : Experience::SlowToStartAndRun;
    plan_.performance = wizards::DerivePerformance(experience);
    // What an administrator fixed stays as the policy sets it, and the summary says so.
    if (auto on = PolicyValue(settings::OnTimeFree)) plan_.performance.preventiveOn = *on != 0;
    if (auto on = PolicyValue(settings::MemMinFree)) plan_.performance.emergencyOn = *on != 0;
}

unsigned TConfigWiz::CheckedProgramKinds() const {
    const ui::CheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
    unsigned kinds = 0;
    for (unsigned i = 0; i < std::size(boxes); ++i)
        if (boxes[i]->Checked()) kinds |= 1u << i;
    return kinds;
}

void TConfigWiz::KWizardInteriorPage2NextButtonClick(wizards::WizardPageClickArgs&) {
    plan_.totalMB = wizards::PhysicalMegabytes(PhysicalMemoryBytes());
    plan_.targets = wizards::DeriveMemoryTargets(CheckedProgramKinds(), plan_.totalMB);
    std::vector<std::wstring> lines;
    for (const wizards::SummaryLine& line : wizards::SummaryLines(plan_)) {
        std::wstring text = Text(line.text);
        if (line.number) text += std::to_wstring(*line.number);
        lines.push_back(text + Text(line.tail));
    }
    Memo1->Lines().SetText(JoinLines(lines));
}

// The user's own settings are always kept, but for those a policy fixes; the machine-wide cache mode needs an
// administrator, and a refusal is said once without losing the other answers.
void TConfigWiz::ConfigWizardFinishButtonClick(ui::NotifyArgs&) {
    {
        SettingsSession session;
        for (const wizards::SettingWrite& write : wizards::ServiceSettingWrites(plan_))
            if (!PolicyValue(*write.setting)) WriteSetting(*write.setting, write.value);
        WriteSetting(settings::CFGConfigWizardComplete, settings::kTrue);
    }
    if (!wizards::WriteLargeSystemCache(plan_.performance.cacheServer))
        ui::ShowMessage(Handle(), platform::LoadResString(str::SSystemCacheNeedsAdmin), MB_ICONWARNING);
    SetModalResult(ui::mrOk);
}

void RunConfigWizard() { ui::CreateForm<TConfigWiz>()->ShowModal(); }
