#include "settings/ask_for_qboost.h"

#include "settings/never_ask.h"

UI_DEFINE_FORM(TAskForQBoost, ui::Form);

// Only "Continue" stores the tick: the title-bar close leaves the note to be shown again.
void TAskForQBoost::Button2Click(ui::NotifyArgs&) { StoreNeverAskAgain(settings::DlgQBoostNeverAsk, *CheckBox1); }

void ShowQuickBoostNote() { AskUnlessNeverAgain<TAskForQBoost>(settings::DlgQBoostNeverAsk); }
