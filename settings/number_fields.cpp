#include "settings/number_fields.h"

#include <algorithm>
#include <utility>

#include "core/settings/size_fields.h"
#include "ui/control.h"
#include "ui/spin_edit.h"

void KeepDigits(ui::SpinEdit& field) {
    std::wstring text = field.Caption();
    std::wstring digits = settings::DigitsOnly(text);
    if (digits == text) return;
    auto handler = std::exchange(field.OnChange, {});
    field.SetCaption(digits);
    field.OnChange = std::move(handler);
    // Typing goes on where it stopped, not at the start of the field.
    field.Perform(EM_SETSEL, digits.size(), static_cast<LPARAM>(digits.size()));
}

int FieldValue(const ui::SpinEdit& field) {
    int value = field.Value();
    if (field.MinValue() == field.MaxValue()) return value;
    return std::clamp(value, field.MinValue(), field.MaxValue());
}

void EnableWith(bool choice, std::initializer_list<ui::Control*> controls) {
    for (ui::Control* control : controls) control->SetEnabled(choice);
}
