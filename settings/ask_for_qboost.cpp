#include "settings/ask_for_qboost.h"

#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form_loader.h"
#include "ui/image.h"

void TAskForQBoost::Publish(ui::Publisher<TAskForQBoost>& p) {
    p.Field("Image1", &TAskForQBoost::Image1);
    p.Field("Memo1", &TAskForQBoost::Memo1);
    p.Field("CheckBox1", &TAskForQBoost::CheckBox1);
    p.Field("Button2", &TAskForQBoost::Button2);
    p.Handler("Button2Click", &TAskForQBoost::Button2Click);
}

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
