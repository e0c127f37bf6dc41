#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "ui/events.h"
#include "ui/persistent.h"

// Published properties, declared once per class in a table. The form loader and the
// localizer reach every property through these tables, by dotted path and by text.
namespace ui {

class Component;

enum class PropertyKind {
    Integer,      // with optional identifiers for named values (colours, cursors)
    Enumeration,  // ordinal; written as its identifier
    Boolean,
    Set,     // bit n = element n; written as [name, name]
    String,  // 8-bit text in the stored form
    WideString,
    Binary,      // { hex } data such as a picture
    Object,      // nested persistent object: Font.Name, Header.Title.Text
    StringList,  // Lines.Strings: a list of texts, or one text of CR LF separated lines
    Collection,  // Panels[1].Width
    Event,       // bound to a handler by name
    Reference,   // another component of the form, by name
};

struct IntIdent {
    const char* name;
    std::int64_t value;
};

struct Property {
    const char* name = "";
    PropertyKind kind = PropertyKind::Integer;
    std::span<const char* const> names;                         // Enumeration and Set element names
    std::span<const IntIdent> idents;                           // Integer: named values
    std::function<std::int64_t(const Persistent&)> getInteger;  // Integer, Enumeration, Boolean (0/1), Set (bits)
    std::function<void(Persistent&, std::int64_t)> setInteger;
    std::function<std::wstring(const Persistent&)> getText;  // String, WideString
    std::function<void(Persistent&, const std::wstring&)> setText;
    std::function<std::vector<std::uint8_t>(const Persistent&)> getBinary;
    std::function<void(Persistent&, const std::vector<std::uint8_t>&)> setBinary;
    std::function<Persistent*(const Persistent&)> object;  // Object, StringList, Collection
    std::type_index eventArgs = typeid(EventArgs);
    std::function<void(Persistent&, const Handler&)> setEvent;
    std::function<Component*(const Persistent&)> getReference;
    std::function<bool(Persistent&, Component*)> setReference;  // false: wrong kind of component
};

class PropertyTable {
public:
    PropertyTable(const PropertyTable* base, std::vector<Property> own);
    // Case-insensitive, the class's own properties before its base's.
    const Property* Find(std::string_view name) const;
    std::vector<const Property*> All() const;

private:
    const PropertyTable* base_;  // not owned
    std::vector<Property> own_;
};

const PropertyTable& EmptyPropertyTable();

// Helpers that build table entries from member functions of the declaring class T.
namespace published {

inline Property Declare(const char* name, PropertyKind kind) {
    Property p;
    p.name = name;
    p.kind = kind;
    return p;
}

template <class T>
const T& As(const Persistent& p) {
    return static_cast<const T&>(p);
}
template <class T>
T& As(Persistent& p) {
    return static_cast<T&>(p);
}

template <class T, class V, class S>
Property Integer(const char* name, V (T::*get)() const, void (T::*set)(S), std::span<const IntIdent> idents = {}) {
    Property p = Declare(name, PropertyKind::Integer);
    p.idents = idents;
    p.getInteger = [get](const Persistent& o) { return static_cast<std::int64_t>((As<T>(o).*get)()); };
    p.setInteger = [set](Persistent& o, std::int64_t v) { (As<T>(o).*set)(static_cast<std::decay_t<S>>(v)); };
    return p;
}

template <class T, class E>
Property Enumeration(const char* name, E (T::*get)() const, void (T::*set)(E), std::span<const char* const> names) {
    Property p = Declare(name, PropertyKind::Enumeration);
    p.names = names;
    p.getInteger = [get](const Persistent& o) { return static_cast<std::int64_t>((As<T>(o).*get)()); };
    p.setInteger = [set](Persistent& o, std::int64_t v) { (As<T>(o).*set)(static_cast<E>(v)); };
    return p;
}

template <class T>
Property Boolean(const char* name, bool (T::*get)() const, void (T::*set)(bool)) {
    Property p = Declare(name, PropertyKind::Boolean);
    p.getInteger = [get](const Persistent& o) { return (As<T>(o).*get)() ? 1 : 0; };
    p.setInteger = [set](Persistent& o, std::int64_t v) { (As<T>(o).*set)(v != 0); };
    return p;
}

template <class T>
Property Set(
    const char* name, std::uint32_t (T::*get)() const, void (T::*set)(std::uint32_t), std::span<const char* const> names
) {
    Property p = Declare(name, PropertyKind::Set);
    p.names = names;
    p.getInteger = [get](const Persistent& o) { return static_cast<std::int64_t>((As<T>(o).*get)()); };
    p.setInteger = [set](Persistent& o, std::int64_t v) { (As<T>(o).*set)(static_cast<std::uint32_t>(v)); };
    return p;
}

template <class T>
Property Text(
    const char* name, std::wstring (T::*get)() const, void (T::*set)(const std::wstring&),
    PropertyKind kind = PropertyKind::String
) {
    Property p = Declare(name, kind);
    p.getText = [get](const Persistent& o) { return (As<T>(o).*get)(); };
    p.setText = [set](Persistent& o, const std::wstring& v) { (As<T>(o).*set)(v); };
    return p;
}

template <class T>
Property Binary(
    const char* name, std::vector<std::uint8_t> (T::*get)() const, void (T::*set)(const std::vector<std::uint8_t>&)
) {
    Property p = Declare(name, PropertyKind::Binary);
    p.getBinary = [get](const Persistent& o) { return (As<T>(o).*get)(); };
    p.setBinary = [set](Persistent& o, const std::vector<std::uint8_t>& v) { (As<T>(o).*set)(v); };
    return p;
}

// An owned sub-object (a font, a string list, a collection) reached through a member function.
template <class T, class O>
Property Object(const char* name, O& (T::*get)(), PropertyKind kind = PropertyKind::Object) {
    Property p = Declare(name, kind);
    p.object = [get](const Persistent& o) -> Persistent* { return &(const_cast<T&>(As<T>(o)).*get)(); };
    return p;
}

template <class T, class Args>
Property EventSlot(const char* name, Event<Args> T::*slot) {
    Property p = Declare(name, PropertyKind::Event);
    p.eventArgs = typeid(Args);
    p.setEvent = [slot](Persistent& o, const Handler& h) {
        auto call = h.call;
        As<T>(o).*slot = [call](Args& a) { call(a); };
    };
    return p;
}

template <class T, class C>
Property Reference(const char* name, C* (T::*get)() const, void (T::*set)(C*)) {
    Property p = Declare(name, PropertyKind::Reference);
    p.getReference = [get](const Persistent& o) -> Component* { return (As<T>(o).*get)(); };
    p.setReference = [set](Persistent& o, Component* c) {
        C* typed = dynamic_cast<C*>(c);
        if (c && !typed) return false;
        (As<T>(o).*set)(typed);
        return true;
    };
    return p;
}

}  // namespace published
}  // namespace ui
