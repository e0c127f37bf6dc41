#include "settings/preventive_dialog.h"

#include "core/settings/size_fields.h"
#include "settings/number_fields.h"
#include "settings/physical_memory.h"
#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/spin_edit.h"

UI_DEFINE_FORM(TForm9, ui::Form);

void TForm9::FormCreate(ui::NotifyArgs&) {
    Se12->SetMaxValue(SizeFieldMaximumMB());
    SettingsSession session;
    Se11->SetValue(ReadSetting(settings::OnTimeFreeSec));
    Se12->SetValue(settings::MegabytesRounded(ReadSetting(settings::OnTimeFreeSize)));
    Cb11->SetChecked(ReadSetting(settings::OnTimeCPUBusyDetect) != 0);
    Se13->SetValue(ReadSetting(settings::OnTimeCPUBusyVal));
    Se14->SetValue(ReadSetting(settings::OnTimeCPUBusySec));
    ShowSmartUsage();
}

void TForm9::Cb11Click(ui::NotifyArgs&) { ShowSmartUsage(); }

void TForm9::ShowSmartUsage() { EnableWith(Cb11->Checked(), {Label5, Label6, Se13, Se14}); }

void TForm9::Button1Click(ui::NotifyArgs&) {
    SettingsSession session;
    WriteSetting(settings::OnTimeFreeSize, settings::BytesOfMegabytes(FieldValue(*Se12)));
    WriteSetting(settings::OnTimeFreeSec, FieldValue(*Se11));
    WriteSetting(settings::OnTimeCPUBusyDetect, Cb11->Checked() ? settings::kTrue : settings::kFalse);
    WriteSetting(settings::OnTimeCPUBusyVal, FieldValue(*Se13));
    WriteSetting(settings::OnTimeCPUBusySec, FieldValue(*Se14));
}

void TForm9::SeAnyChange(ui::NotifyArgs& args) {
    if (auto* field = dynamic_cast<ui::SpinEdit*>(args.sender)) KeepDigits(*field);
}
