#include "ui/form_apply.h"

#include <algorithm>

#include "resources/string_ids.h"
#include "ui/collection.h"
#include "platform/error.h"
#include "ui/form.h"
#include "ui/property_assign.h"
#include "ui/property_path.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "ui/text_compare.h"

using platform::Error;
using platform::FormatResString;
using platform::Widen;

namespace ui {
namespace {

bool Translatable(PropertyKind kind) {
    switch (kind) {
        case PropertyKind::Integer:
        case PropertyKind::Enumeration:
        case PropertyKind::String:
        case PropertyKind::WideString:
        case PropertyKind::StringList:
            return true;
        default:
            return false;
    }
}

void ApplyProperties(Persistent& object, const std::vector<forms::Property>& properties) {
    for (const auto& p : properties) {
        PropertyRef ref = LookupProperty(object, p.name);
        if (!ref.property) continue;
        if (ref.property->kind == PropertyKind::Collection && p.value.type == forms::ValueType::Collection) {
            // Item by item: the open collection keeps its items, only their values change.
            auto& collection = *static_cast<Collection*>(ref.property->object(*ref.object));
            int count = std::min<int>(collection.Count(), static_cast<int>(p.value.items.size()));
            for (int i = 0; i < count; ++i)
                ApplyProperties(collection.Item(i), p.value.items[static_cast<size_t>(i)].properties);
        } else if (Translatable(ref.property->kind)) {
            AssignProperty(object, p.name, p.value);
        }
    }
}

void ApplyChildren(Form& form, const std::vector<forms::Object>& children) {
    for (const auto& child : children) {
        Component* component = child.name.empty() ? nullptr : form.FindComponent(child.name);
        if (component) ApplyProperties(*component, child.properties);
        ApplyChildren(form, child.children);
    }
}

}  // namespace

void ApplyFormDescription(Form& form, const forms::Object& description) {
    if (!SameText(description.className, form.ClassName()))
        throw Error(FormatResString(str::SInvalidForm, Widen(form.ClassName())) + L": " + Widen(description.className));
    ApplyProperties(form, description.properties);
    ApplyChildren(form, description.children);
}

}  // namespace ui
