#include "settings/preventive_dialog.h"

#include "settings/number_fields.h"
#include "settings/setting_bindings.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/spin_edit.h"

UI_DEFINE_FORM(TForm9, ui::Form);

// Each field with its value, for loading and saving alike.
SettingBindings TForm9::Bindings() {
    return {
        BindNumber(*Se11, settings::OnTimeFreeSec),
        BindMegabytes(*Se12, settings::OnTimeFreeSize, MegabyteRounding::Nearest),
        BindCheck(*Cb11, settings::OnTimeCPUBusyDetect),
        BindNumber(*Se13, settings::OnTimeCPUBusyVal),
        BindNumber(*Se14, settings::OnTimeCPUBusySec),
    };
}

void TForm9::FormCreate(ui::NotifyArgs&) {
    LoadBindings(Bindings());
    ShowSmartUsage();
}

void TForm9::Cb11Click(ui::NotifyArgs&) { ShowSmartUsage(); }

void TForm9::ShowSmartUsage() { EnableWith(Cb11->Checked(), {Label5, Label6, Se13, Se14}); }

void TForm9::Button1Click(ui::NotifyArgs&) { SaveBindings(Bindings()); }

void TForm9::SeAnyChange(ui::NotifyArgs& args) {
    if (auto* field = dynamic_cast<ui::SpinEdit*>(args.sender)) KeepDigits(*field);
}
