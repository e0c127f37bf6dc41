#pragma once
#include <cstdint>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/image.h"

// The answer of the last ask-on-close dialog: 0 after "Cancel", -1 after "Close"; closing
// the dialog by its title bar leaves it as it was.
extern std::int32_t closeConfirmed;

// Asks before the main window closes the whole program, with a "never show again" box.
class TAskForClose : public ui::Form {
    UI_FORM(TAskForClose)

    UI_FIELD(ui::Image, Image1);
    UI_FIELD(ui::Memo, Memo1);
    UI_FIELD(ui::CheckBox, CheckBox1);
    UI_FIELD(ui::Button, Button1);
    UI_FIELD(ui::Button, Button2);

    UI_HANDLER(ui::NotifyArgs, Button1Click);
    UI_HANDLER(ui::NotifyArgs, Button2Click);
    UI_HANDLER(ui::CloseArgs, FormClose);
};

// The main window's question on closing: shows the dialog unless the user chose never to
// see it again. True when the program goes on closing.
bool ConfirmProgramClose();
