#include "ui/property.h"

#include "ui/collection.h"
#include "ui/text_compare.h"

namespace ui {

PropertyTable::PropertyTable(const PropertyTable* base, std::vector<Property> own)
    : base_(base), own_(std::move(own)) {}

const Property* PropertyTable::Find(std::string_view name) const {
    for (const auto& p : own_)
        if (SameText(p.name, name)) return &p;
    return base_ ? base_->Find(name) : nullptr;
}

std::vector<const Property*> PropertyTable::All() const {
    std::vector<const Property*> all = base_ ? base_->All() : std::vector<const Property*>{};
    for (const auto& p : own_) all.push_back(&p);
    return all;
}

const PropertyTable& EmptyPropertyTable() {
    static const PropertyTable table(nullptr, {});
    return table;
}

const PropertyTable& Collection::ClassProperties() { return EmptyPropertyTable(); }

}  // namespace ui
