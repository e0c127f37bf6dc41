#include "ui/check_box.h"

#include "ui/property.h"

namespace ui {
namespace {

const char* const kAlignmentNames[] = {"taLeftJustify", "taRightJustify"};

}  // namespace

const PropertyTable& CheckableButton::ClassProperties() {
    using namespace published;
    static const PropertyTable table(
        &WinControl::ClassProperties(),
        {
            Boolean("Checked", &CheckableButton::Checked, &CheckableButton::SetChecked),
            Enumeration("Alignment", &CheckableButton::Alignment, &CheckableButton::SetAlignment, kAlignmentNames),
        }
    );
    return table;
}

CheckableButton::CheckableButton(Component* owner, DWORD buttonStyle) : WinControl(owner), buttonStyle_(buttonStyle) {
    SetParentColor(true);
    SetTabStop(true);
}

bool CheckableButton::Checked() const {
    if (HandleAllocated()) return const_cast<CheckableButton*>(this)->Perform(BM_GETCHECK) == BST_CHECKED;
    return checked_;
}

void CheckableButton::SetChecked(bool checked) {
    bool changed = checked != Checked();
    checked_ = checked;
    Perform(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    if (changed) CheckedChanged();
}

void CheckableButton::SetAlignment(int alignment) {
    leftText_ = alignment == 0;
    ChangeStyle(BS_LEFTTEXT, leftText_);
}

void CheckableButton::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= buttonStyle_ | BS_MULTILINE | BS_VCENTER;
    if (leftText_) params.style |= BS_LEFTTEXT;
}

void CheckableButton::HandleCreated() { Perform(BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED); }

void CheckableButton::CommandNotify(WORD code, WORD) {
    if (code != BN_CLICKED) return;
    Toggle();
    Click();
}

const PropertyTable& CheckBox::ClassProperties() {
    static const PropertyTable table(&CheckableButton::ClassProperties(), {});
    return table;
}

CheckBox::CheckBox(Component* owner) : CheckableButton(owner, BS_CHECKBOX) { SetBounds(0, 0, 97, 17); }

void CheckBox::Toggle() { SetChecked(!Checked()); }

const PropertyTable& RadioButton::ClassProperties() {
    static const PropertyTable table(&CheckableButton::ClassProperties(), {});
    return table;
}

RadioButton::RadioButton(Component* owner) : CheckableButton(owner, BS_RADIOBUTTON) { SetBounds(0, 0, 113, 17); }

void RadioButton::Toggle() { SetChecked(true); }

void RadioButton::CheckedChanged() {
    if (!Checked() || !Parent()) return;
    for (Control* c : Parent()->Controls())
        if (auto* other = dynamic_cast<RadioButton*>(c); other && other != this) other->SetChecked(false);
}

}  // namespace ui
