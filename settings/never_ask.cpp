#include "settings/never_ask.h"

#include "settings/settings_store.h"

bool NeverAskAgain(const settings::IntSetting& setting) {
    SettingsSession session;
    return ReadSetting(setting) != 0;
}

void StoreNeverAskAgain(const settings::IntSetting& setting, const ui::CheckBox& box) {
    if (!box.Checked()) return;
    SettingsSession session;
    WriteSetting(setting, settings::kTrue);
}
