#pragma once

#include "ui/form.h"
#include "ui/form_class.h"

namespace ui {
class Button;
class CheckBox;
class Memo;
class SpinEdit;
}  // namespace ui

// How often and how much memory the service frees on its timer, and how it waits for a
// quiet processor. Reads its values on creation and writes them on "Ok" by itself.
class TForm9 : public ui::Form {
    UI_FORM(TForm9)

public:
    using ui::Form::Form;

    ui::Memo* Memo1 = nullptr;
    ui::SpinEdit *Se11 = nullptr, *Se12 = nullptr, *Se13 = nullptr, *Se14 = nullptr;
    ui::CheckBox* Cb11 = nullptr;
    ui::Button *Button1 = nullptr, *Button2 = nullptr;

    void FormCreate(ui::NotifyArgs&);
    void Button1Click(ui::NotifyArgs&);
    void SeAnyChange(ui::NotifyArgs& args);
};
