#pragma once
#include <cstdint>

#include "ui/form.h"
#include "ui/form_class.h"

namespace ui {
class Button;
class CheckBox;
class Image;
class Memo;
}  // namespace ui

// The answer of the last ask-on-close dialog: 0 after "Cancel", -1 after "Close"; closing
// the dialog by its title bar leaves it as it was.
extern std::int32_t closeConfirmed;

// Asks before the main window closes the whole program, with a "never show again" box.
class TAskForClose : public ui::Form {
    UI_FORM(TAskForClose)

public:
    using ui::Form::Form;

    ui::Image* Image1 = nullptr;
    ui::Memo* Memo1 = nullptr;
    ui::CheckBox* CheckBox1 = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;

    void Button1Click(ui::NotifyArgs& args);
    void Button2Click(ui::NotifyArgs& args);
    void FormClose(ui::CloseArgs& args);
};

// The main window's question on closing: shows the dialog unless the user chose never to
// see it again. True when the program goes on closing.
bool ConfirmProgramClose();
