#include "settings/emergency_dialog.h"

#include "settings/number_fields.h"
#include "settings/setting_bindings.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/spin_edit.h"

UI_DEFINE_FORM(TForm10, ui::Form);

// Each field with its value, for loading and saving alike.
SettingBindings TForm10::Bindings() {
    return {
        BindNumber(*Se21, settings::MemMinFreeSize),
        BindNumber(*Se22, settings::MemMinFreeSizeNeed),
        BindCheck(*Cb21, settings::MemMinCPUBusyDetect),
        BindNumber(*Se23, settings::MemMinCPUBusyVal),
        BindNumber(*Se24, settings::MemMinCPUBusySec),
    };
}

void TForm10::FormCreate(ui::NotifyArgs&) {
    LoadBindings(Bindings());
    ShowSmartUsage();
}

void TForm10::Cb21Click(ui::NotifyArgs&) { ShowSmartUsage(); }

void TForm10::ShowSmartUsage() { EnableWith(Cb21->Checked(), {Label5, Label6, Se23, Se24}); }

void TForm10::Button1Click(ui::NotifyArgs&) { SaveBindings(Bindings()); }

void TForm10::SeAnyChange(ui::NotifyArgs& args) {
    if (auto* field = dynamic_cast<ui::SpinEdit*>(args.sender)) KeepDigits(*field);
}
