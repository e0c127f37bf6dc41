#include "ui/component.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/property.h"
#include "ui/text_compare.h"

using platform::Error;
using platform::FormatResString;
using platform::Widen;

namespace ui {

const PropertyTable& Component::ClassProperties() {
    static const PropertyTable table(
        nullptr,
        {
            published::Integer("Tag", &Component::Tag, &Component::SetTag),
        }
    );
    return table;
}

Component::Component(Component* owner) : owner_(owner) {
    if (owner_) owner_->owned_.push_back(this);
}

Component::~Component() {
    DestroyComponents();
    if (owner_) std::erase(owner_->owned_, this);
}

void Component::DestroyComponents() {
    while (!owned_.empty()) delete owned_.back();  // each removes itself from owned_
}

void Component::SetName(const std::string& name) {
    if (owner_ && !name.empty()) {
        Component* same = owner_->FindComponent(name);
        if (same && same != this) throw Error(FormatResString(str::SDuplicateName, Widen(name)));
    }
    name_ = name;
}

Component* Component::FindComponent(std::string_view name) const {
    auto it = std::find_if(owned_.begin(), owned_.end(), [&](Component* c) { return SameText(c->name_, name); });
    return it == owned_.end() ? nullptr : *it;
}

void Component::EndLoading() {
    for (Component* c : owned_) c->EndLoading();
    if (!loading_) return;
    loading_ = false;
    Loaded();
}

bool Component::AdoptChild(Component&) { return false; }

}  // namespace ui
