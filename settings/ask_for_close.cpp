#include "settings/ask_for_close.h"

#include "settings/never_ask.h"

std::int32_t closeConfirmed = 0;

UI_DEFINE_FORM(TAskForClose, ui::Form);

void TAskForClose::Button1Click(ui::NotifyArgs&) { closeConfirmed = 0; }

void TAskForClose::Button2Click(ui::NotifyArgs&) { closeConfirmed = settings::kTrue; }

void TAskForClose::FormClose(ui::CloseArgs&) { StoreNeverAskAgain(settings::DlgCloseNeverAsk, *CheckBox1); }

bool ConfirmProgramClose() {
    return !AskUnlessNeverAgain<TAskForClose>(settings::DlgCloseNeverAsk) || closeConfirmed != 0;
}
