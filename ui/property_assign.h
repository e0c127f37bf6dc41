#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "core/forms/form_object.h"
#include "ui/property.h"

namespace ui {

// How values that name a handler or a component of the form are taken; without a binding
// such values are refused.
struct NameBinding {
    std::function<void(Persistent& object, const Property& event, const std::string& handler)> handler;
    std::function<void(Persistent& object, const Property& reference, const std::string& component)> component;
};

// Assigns a description's value to the property at a dotted path: the one conversion that
// the form loader, the text setter and the re-application of descriptions to open forms
// share. Integers take a number or the identifier of a named value; enumerations their
// identifier or an ordinal within range; booleans True, False or an integer (non-zero is
// true); sets their element names; texts any kind of string; string lists a list of strings
// or one text of lines; collections their items, which replace the present ones; nil clears
// a reference and leaves an event as it is. A value that does not fit throws platform::Error
// naming the path.
void AssignProperty(Persistent& root, std::string_view path, const forms::Value& value, const NameBinding& names = {});

}  // namespace ui
