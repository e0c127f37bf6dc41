#pragma once

#include "ui/form.h"
#include "ui/form_class.h"

namespace ui {
class Button;
class CheckBox;
class Memo;
class SpinEdit;
}  // namespace ui

// The free-memory levels at which the service steps in, and how it waits for a quiet
// processor. Reads its values on creation and writes them on "Ok" by itself.
class TForm10 : public ui::Form {
    UI_FORM(TForm10)

public:
    using ui::Form::Form;

    ui::Memo* Memo1 = nullptr;
    ui::SpinEdit *Se21 = nullptr, *Se22 = nullptr, *Se23 = nullptr, *Se24 = nullptr;
    ui::CheckBox* Cb21 = nullptr;
    ui::Button *Button1 = nullptr, *Button2 = nullptr;

    void FormCreate(ui::NotifyArgs&);
    void Button1Click(ui::NotifyArgs&);
    void SeAnyChange(ui::NotifyArgs& args);
};
