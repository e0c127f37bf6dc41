#include "core/forms/form_object.h"

namespace forms {

const Property* Object::Find(const std::string& propertyName) const {
    for (const Property& property : properties)
        if (property.name == propertyName) return &property;
    return nullptr;
}

}  // namespace forms
