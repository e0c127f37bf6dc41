#include "settings/ask_for_close.h"

#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form_loader.h"
#include "ui/image.h"

std::int32_t closeConfirmed = 0;

UI_DEFINE_FORM(TAskForClose, ui::Form);

void TAskForClose::Button1Click(ui::NotifyArgs&) { closeConfirmed = 0; }

void TAskForClose::Button2Click(ui::NotifyArgs&) { closeConfirmed = settings::kTrue; }

void TAskForClose::FormClose(ui::CloseArgs&) {
    if (!CheckBox1->Checked()) return;
    SettingsSession session;
    WriteSetting(settings::DlgCloseNeverAsk, settings::kTrue);
}

bool ConfirmProgramClose() {
    std::int32_t neverAsk;
    {
        SettingsSession session;
        neverAsk = ReadSetting(settings::DlgCloseNeverAsk);
    }
    if (neverAsk == 0) ui::CreateForm<TAskForClose>()->ShowModal();
    return closeConfirmed != 0 || neverAsk != 0;
}
