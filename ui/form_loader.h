#pragma once
#include <memory>

#include "core/forms/form_object.h"
#include "ui/form.h"
#include "ui/form_class.h"

// Builds forms from their descriptions: components created by class name, properties set
// through the property tables, references and published fields resolved by name, event
// handlers bound by name. Any mismatch (an unknown class, property, component or handler, a
// value of the wrong kind) throws platform::Error naming the form and what was wrong.
namespace ui {

// The description in the RCDATA resource of the current resource source named by the form
// class name in upper case (form class TAskForClose: "TASKFORCLOSE").
forms::Object FormResource(std::string_view className);

// Builds the form's components from a description and binds the fields and handlers that
// its class publishes, without running OnCreate.
void BuildForm(Form& form, const forms::Object& description);
// Builds the form and runs its OnCreate.
void LoadForm(Form& form, const forms::Object& description);
void LoadFormResource(Form& form);

// Creates a form of class F from its description resource and runs its OnCreate.
template <class F>
FormPtr<F> CreateForm() {
    FormPtr<F> form(new F(nullptr));
    LoadFormResource(*form);
    return form;
}

// Above 96 pixels per inch, every control whose font is "MS Sans Serif" gets "Arial": the
// pixel layout of the descriptions stays as it is and the bitmap face would not scale.
void ReplaceBitmapFonts(Control& root);

}  // namespace ui
