#include "wizards/first_wiz.h"

#include "core/settings/settings_table.h"
#include "core/wizards/shell_verb.h"
#include "platform/error.h"
#include "platform/program_folder.h"
#include "platform/resource_source.h"
#include "resources/string_ids.h"
#include "settings/settings_store.h"
#include "ui/application.h"
#include "ui/form_loader.h"
#include "wizards/shell_verb_keys.h"

namespace wizards {
namespace {

std::int32_t g_configWizardDeferred = 0;

}  // namespace

std::int32_t ConfigWizardDeferred() { return g_configWizardDeferred; }
void SetConfigWizardDeferred(std::int32_t deferred) { g_configWizardDeferred = deferred; }

}  // namespace wizards

namespace {

void MarkComplete(const wizards::FirstWizardOutcome& outcome) {
    if (outcome.marksComplete) {
        SettingsSession session;
        WriteSetting(settings::CFGFirstWizardComplete, settings::kTrue);
    }
    wizards::SetConfigWizardDeferred(outcome.configWizardDeferred);
}

}  // namespace

UI_DEFINE_FORM(TFirstWiz, ui::Form);

// The answers are kept whatever the shell keys do: a refused verb is said once, and the
// wizard still finishes rather than wait for the box to be unticked.
void TFirstWiz::KWizard1FinishButtonClick(ui::NotifyArgs&) {
    MarkComplete(wizards::OutcomeOf(wizards::FirstWizardEnd::Finish));
    if (CheckBox1->Checked()) {
        try {
            wizards::WriteShellVerb(platform::ProgramFolder());
        } catch (const platform::Error&) {
            ui::ShowMessage(Handle(), platform::LoadResString(str::SOpenBoostedNotAdded), MB_ICONWARNING);
        }
    } else {
        wizards::RemoveShellVerb();
    }
    SetModalResult(ui::mrOk);
}

void TFirstWiz::KWizardInteriorPage3CancelButtonClick(wizards::WizardPageClickArgs&) {
    MarkComplete(wizards::OutcomeOf(wizards::FirstWizardEnd::CancelOnLastPage));
}

void RunFirstRunWizard() { ui::CreateForm<TFirstWiz>()->ShowModal(); }
