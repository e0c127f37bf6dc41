#include "settings/emergency_dialog.h"

#include "settings/number_fields.h"
#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/spin_edit.h"

UI_DEFINE_FORM(TForm10, ui::Form);

void TForm10::FormCreate(ui::NotifyArgs&) {
    SettingsSession session;
    Se21->SetValue(ReadSetting(settings::MemMinFreeSize));
    Se22->SetValue(ReadSetting(settings::MemMinFreeSizeNeed));
    Cb21->SetChecked(ReadSetting(settings::MemMinCPUBusyDetect) != 0);
    Se23->SetValue(ReadSetting(settings::MemMinCPUBusyVal));
    Se24->SetValue(ReadSetting(settings::MemMinCPUBusySec));
    ShowSmartUsage();
}

void TForm10::Cb21Click(ui::NotifyArgs&) { ShowSmartUsage(); }

void TForm10::ShowSmartUsage() { EnableWith(Cb21->Checked(), {Label5, Label6, Se23, Se24}); }

void TForm10::Button1Click(ui::NotifyArgs&) {
    SettingsSession session;
    WriteSetting(settings::MemMinFreeSize, FieldValue(*Se21));
    WriteSetting(settings::MemMinFreeSizeNeed, FieldValue(*Se22));
    WriteSetting(settings::MemMinCPUBusyDetect, Cb21->Checked() ? settings::kTrue : settings::kFalse);
    WriteSetting(settings::MemMinCPUBusyVal, FieldValue(*Se23));
    WriteSetting(settings::MemMinCPUBusySec, FieldValue(*Se24));
}

void TForm10::SeAnyChange(ui::NotifyArgs& args) {
    if (auto* field = dynamic_cast<ui::SpinEdit*>(args.sender)) KeepDigits(*field);
}
