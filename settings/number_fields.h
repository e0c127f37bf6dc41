#pragma once

#include <initializer_list>

namespace ui {
class Control;
class SpinEdit;
}

// Shared by the settings windows' spin fields.

// Keeps only the digits among the first characters of the field's text, without raising
// the field's own change event for the correction.
void KeepDigits(ui::SpinEdit& field);

// The field's number within its limits: typed text can hold more than the limits allow.
int FieldValue(const ui::SpinEdit& field);

// Controls that only mean something while a choice is on are enabled with it.
void EnableWith(bool choice, std::initializer_list<ui::Control*> controls);
