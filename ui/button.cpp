#include "ui/button.h"

#include "ui/form.h"
#include "ui/property.h"

namespace ui {

const PropertyTable& Button::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Boolean("Default", &Button::Default, &Button::SetDefault),
            Boolean("Cancel", &Button::Cancel, &Button::SetCancel),
            Integer("ModalResult", &Button::GetModalResult, &Button::SetModalResult, ModalResultIdents()),
        }
    );
    return table;
}

Button::Button(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void Button::SetDefault(bool value) {
    default_ = value;
    if (HandleAllocated()) Perform(BM_SETSTYLE, value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void Button::CommandNotify(WORD code, WORD) {
    if (code == BN_CLICKED) Click();
}

void Button::Click() {
    if (Form* form = ParentForm(); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
    WinControl::Click();
}

}  // namespace ui
