#include "ui/property_assign.h"

#include "core/forms/code_page.h"
#include "resources/string_ids.h"
#include "ui/collection.h"
#include "platform/error.h"
#include "ui/property_path.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "ui/string_list.h"
#include "ui/text_compare.h"

using platform::Error;
using platform::FormatResString;
using platform::SystemCodePage;
using platform::Widen;

namespace ui {
namespace {

using VT = forms::ValueType;

[[noreturn]] void BadValue(std::string_view path) {
    throw Error(FormatResString(str::SInvalidPropertyValue, Widen(path)));
}

bool IsText(const forms::Value& v) {
    return v.type == VT::String || v.type == VT::WideString || v.type == VT::Utf8String;
}

std::wstring TextOf(const forms::Value& v) {
    std::u16string wide = forms::WideTextOf(v, SystemCodePage());
    return std::wstring(wide.begin(), wide.end());
}

std::int64_t SetBits(const Property& p, const forms::Value& value, std::string_view path) {
    std::int64_t bits = 0;
    for (const auto& name : value.names) {
        int bit = FindName(p.names, name);
        if (bit < 0) BadValue(path);
        bits |= std::int64_t{1} << bit;
    }
    return bits;
}

void SetLines(StringList& list, const forms::Value& value, std::string_view path) {
    std::vector<std::wstring> lines;
    for (const auto& element : value.list) {
        if (!IsText(element)) BadValue(path);
        lines.push_back(TextOf(element));
    }
    list.Assign(std::move(lines));
}

void SetItems(Collection& collection, const forms::Value& value, const NameBinding& names) {
    collection.Clear();
    for (const auto& item : value.items) {
        Persistent& added = collection.AddItem();
        for (const auto& p : item.properties) AssignProperty(added, p.name, p.value, names);
    }
}

}  // namespace

void AssignProperty(Persistent& root, std::string_view path, const forms::Value& value, const NameBinding& names) {
    PropertyRef ref = FindProperty(root, path);
    const Property& p = *ref.property;
    Persistent& object = *ref.object;
    switch (p.kind) {
        case PropertyKind::Integer:
            if (value.type == VT::Integer) return p.setInteger(object, value.integer);
            if (value.type == VT::Ident)
                if (const IntIdent* ident = FindIdent(p.idents, value.text)) return p.setInteger(object, ident->value);
            break;
        case PropertyKind::Enumeration:
            if (value.type == VT::Ident) {
                int index = FindName(p.names, value.text);
                if (index >= 0) return p.setInteger(object, index);
            }
            if (value.type == VT::Integer && value.integer >= 0 && static_cast<size_t>(value.integer) < p.names.size())
                return p.setInteger(object, value.integer);
            break;
        case PropertyKind::Boolean:
            if (value.type == VT::True || value.type == VT::False) return p.setInteger(object, value.type == VT::True);
            if (value.type == VT::Integer) return p.setInteger(object, value.integer != 0);
            break;
        case PropertyKind::Set:
            if (value.type == VT::Set) return p.setInteger(object, SetBits(p, value, path));
            break;
        case PropertyKind::String:
        case PropertyKind::WideString:
            if (IsText(value)) return p.setText(object, TextOf(value));
            break;
        case PropertyKind::Binary:
            if (value.type == VT::Binary) return p.setBinary(object, value.binary);
            break;
        case PropertyKind::StringList:
            if (value.type == VT::List) return SetLines(*static_cast<StringList*>(p.object(object)), value, path);
            if (IsText(value)) return static_cast<StringList*>(p.object(object))->SetText(TextOf(value));
            break;
        case PropertyKind::Collection:
            if (value.type == VT::Collection)
                return SetItems(*static_cast<Collection*>(p.object(object)), value, names);
            break;
        case PropertyKind::Event:
            if (value.type == VT::Ident && names.handler) return names.handler(object, p, value.text);
            if (value.type == VT::Nil) return;
            break;
        case PropertyKind::Reference:
            if (value.type == VT::Ident && names.component) return names.component(object, p, value.text);
            if (value.type == VT::Nil) return void(p.setReference(object, nullptr));
            break;
        case PropertyKind::Object:
            break;
    }
    BadValue(path);
}

}  // namespace ui
