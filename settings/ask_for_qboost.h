#pragma once

#include "ui/form.h"
#include "ui/form_class.h"

namespace ui {
class Button;
class CheckBox;
class Image;
class Memo;
}  // namespace ui

// Explains what a quick boost does before one starts, with a "never show again" box.
class TAskForQBoost : public ui::Form {
    UI_FORM(TAskForQBoost)

public:
    using ui::Form::Form;

    ui::Image* Image1 = nullptr;
    ui::Memo* Memo1 = nullptr;
    ui::CheckBox* CheckBox1 = nullptr;
    ui::Button* Button2 = nullptr;

    void Button2Click(ui::NotifyArgs& args);
};

// The main window's quick-boost command shows the note first unless the user chose never
// to see it again; the boost starts whatever the answer.
void ShowQuickBoostNote();
