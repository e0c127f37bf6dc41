#include "wizards/first_wiz.h"

#include "core/settings/settings_table.h"
#include "core/wizards/shell_verb.h"
#include "platform/program_folder.h"
#include "settings/settings_store.h"
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

// The shell keys first: when the system refuses them, the wizard stays open and shows
// again at the next start.
void TFirstWiz::KWizard1FinishButtonClick(ui::NotifyArgs&) {
    const wizards::FirstWizardOutcome outcome = wizards::OutcomeOf(wizards::FirstWizardEnd::Finish);
    if (CheckBox1->Checked()) {
        wizards::WriteShellVerb(platform::ProgramFolder());
    } else {
        wizards::RemoveShellVerb();
    }
    MarkComplete(outcome);
    SetModalResult(ui::mrOk);
}

void TFirstWiz::KWizardInteriorPage3CancelButtonClick(wizards::WizardPageClickArgs&) {
    MarkComplete(wizards::OutcomeOf(wizards::FirstWizardEnd::CancelOnLastPage));
}

void RunFirstRunWizard() { ui::CreateForm<TFirstWiz>()->ShowModal(); }
