#include "settings/emergency_dialog.h"

#include "settings/number_fields.h"
#include "settings/settings_store.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/spin_edit.h"

void TForm10::Publish(ui::Publisher<TForm10>& p) {
    p.Field("Memo1", &TForm10::Memo1);
    p.Field("Se21", &TForm10::Se21);
    p.Field("Se22", &TForm10::Se22);
    p.Field("Se23", &TForm10::Se23);
    p.Field("Se24", &TForm10::Se24);
    p.Field("Cb21", &TForm10::Cb21);
    p.Field("Button1", &TForm10::Button1);
    p.Field("Button2", &TForm10::Button2);
    p.Handler("FormCreate", &TForm10::FormCreate);
    p.Handler("Button1Click", &TForm10::Button1Click);
    p.Handler("SeAnyChange", &TForm10::SeAnyChange);
}

void TForm10::FormCreate(ui::NotifyArgs&) {
    SettingsSession session;
    Se21->SetValue(ReadSetting(settings::MemMinFreeSize));
    Se22->SetValue(ReadSetting(settings::MemMinFreeSizeNeed));
    Cb21->SetChecked(ReadSetting(settings::MemMinCPUBusyDetect) != 0);
    Se23->SetValue(ReadSetting(settings::MemMinCPUBusyVal));
    Se24->SetValue(ReadSetting(settings::MemMinCPUBusySec));
}

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
