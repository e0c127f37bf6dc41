#pragma once

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"

// Explains what a quick boost does before one starts, with a "never show again" box.
class TAskForQBoost : public ui::Form {
    UI_FORM(TAskForQBoost)

    UI_FIELD(ui::Image, Image1);
    UI_FIELD(ui::Memo, Memo1);
    UI_FIELD(ui::CheckBox, CheckBox1);
    UI_FIELD(ui::Button, Button2);

    UI_HANDLER(ui::NotifyArgs, Button2Click);
};

// The main window's quick-boost command shows the note first unless the user chose never
// to see it again; the boost starts whatever the answer.
void ShowQuickBoostNote();
