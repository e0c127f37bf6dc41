#include "settings/ask_for_qboost.h"

#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form_loader.h"
#include "ui/image.h"

UI_DEFINE_FORM(TAskForQBoost, ui::Form);

// Only "Continue" stores the tick: the title-bar close leaves the note to be shown again.
void TAskForQBoost::Button2Click(ui::NotifyArgs&) {
    if (!CheckBox1->Checked()) return;
    SettingsSession session;
    WriteSetting(settings::DlgQBoostNeverAsk, settings::kTrue);
}

void ShowQuickBoostNote() {
    std::int32_t neverAsk;
    {
        SettingsSession session;
        neverAsk = ReadSetting(settings::DlgQBoostNeverAsk);
    }
    if (neverAsk == 0) ui::CreateForm<TAskForQBoost>()->ShowModal();
}
