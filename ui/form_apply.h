#pragma once
#include "core/forms/form_object.h"

namespace ui {

class Form;

// Applies a description of the form's class to the form while it is open: what changes when
// the program's language changes. The description's own properties go to the form, each
// object's to the component of the same name. Only texts, string lists, numbers and
// enumerations change, collection items included; handlers, references, flags, sets and
// pictures stay as they are, and components or properties that the form lacks are passed
// over. Throws platform::Error when the description is of another class or a value does not fit.
void ApplyFormDescription(Form& form, const forms::Object& description);

}  // namespace ui
