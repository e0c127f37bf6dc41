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

// From the RCDATA resource of the current resource source named by the form's class name
// in upper case (form class TAskForClose: "TASKFORCLOSE").
void LoadFormResource(Form& form, const FormPublication& publication);
void LoadForm(Form& form, const forms::Object& description, const FormPublication& publication);

// Creates a form of class F from its description and runs its OnCreate. F publishes its
// fields and handlers through `static void Publish(Publisher<F>&)` (see UI_FORM).
template <class F>
std::unique_ptr<F> CreateForm() {
    auto form = std::make_unique<F>(nullptr);
    Publisher<F> publisher;
    F::Publish(publisher);
    LoadFormResource(*form, publisher.Publication());
    return form;
}

// Above 96 pixels per inch, every control whose font is "MS Sans Serif" gets "Arial": the
// pixel layout of the descriptions stays as it is and the bitmap face would not scale.
void ReplaceBitmapFonts(Control& root);

}  // namespace ui
