#pragma once

#include "settings/setting_bindings.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/spin_edit.h"

// The free-memory levels at which the service steps in, and how it waits for a quiet
// processor. Reads its values on creation and writes them on "Ok" by itself, both
// through its list of bindings.
class TForm10 : public ui::Form {
    UI_FORM(TForm10)

    UI_FIELD(ui::Memo, Memo1);
    UI_FIELD(ui::SpinEdit, Se21);
    UI_FIELD(ui::SpinEdit, Se22);
    UI_FIELD(ui::SpinEdit, Se23);
    UI_FIELD(ui::SpinEdit, Se24);
    UI_FIELD(ui::CheckBox, Cb21);
    UI_FIELD(ui::Label, Label5);
    UI_FIELD(ui::Label, Label6);
    UI_FIELD(ui::Button, Button1);
    UI_FIELD(ui::Button, Button2);

    UI_HANDLER(ui::NotifyArgs, FormCreate);
    UI_HANDLER(ui::NotifyArgs, Button1Click);
    UI_HANDLER(ui::NotifyArgs, SeAnyChange);
    UI_HANDLER(ui::NotifyArgs, Cb21Click);

    // The controls and the settings they hold.
    SettingBindings Bindings();

private:
    // The processor limits only count with "Smart processor usage".
    void ShowSmartUsage();
};
