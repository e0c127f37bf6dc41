#include "ui/check_box.h"

#include <algorithm>

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

std::vector<RadioButton*> RadioButton::Group() const {
    std::vector<RadioButton*> group;
    if (!Parent()) return {const_cast<RadioButton*>(this)};
    for (Control* c : Parent()->Controls())
        if (auto* radio = dynamic_cast<RadioButton*>(c)) group.push_back(radio);
    return group;
}

// The checked button is the group's Tab stop; with none checked, the first is.
void RadioButton::UpdateTabStops() const {
    const auto group = Group();
    const bool anyChecked = std::ranges::any_of(group, [](RadioButton* r) { return r->Checked(); });
    for (RadioButton* radio : group) radio->SetTabStop(anyChecked ? radio->Checked() : radio == group.front());
}

void RadioButton::HandleCreated() {
    CheckableButton::HandleCreated();
    UpdateTabStops();
}

void RadioButton::SelectNeighbour(bool forward) {
    const auto group = Group();
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const auto self = std::ranges::find(group, this) - group.begin();
    for (std::ptrdiff_t step = 1; step < count; ++step) {
        RadioButton* next = group[static_cast<size_t>((self + (forward ? step : count - step)) % count)];
        if (!next->Enabled() || !next->Visible()) continue;
        next->SetFocus();
        next->Toggle();
        next->Click();
        return;
    }
}

LRESULT RadioButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The system may report a click when a radio button merely receives the focus; moving
    // the focus never changes the choice.
    if (message != WM_SETFOCUS) return CheckableButton::WndProc(message, wParam, lParam);
    receivingFocus_ = true;
    const LRESULT result = CheckableButton::WndProc(message, wParam, lParam);
    receivingFocus_ = false;
    return result;
}

void RadioButton::CommandNotify(WORD code, WORD id) {
    if (code == BN_CLICKED && (receivingFocus_ || Checked())) return;
    CheckableButton::CommandNotify(code, id);
}

void RadioButton::Toggle() { SetChecked(true); }

void RadioButton::CheckedChanged() {
    if (Checked())
        for (RadioButton* other : Group())
            if (other != this) other->SetChecked(false);
    UpdateTabStops();
}

}  // namespace ui
