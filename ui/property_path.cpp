#include "ui/property_path.h"

#include <charconv>

#include "platform/error.h"
#include "platform/resource_source.h"
#include "platform/text.h"
#include "resources/string_ids.h"
#include "ui/collection.h"
#include "ui/component.h"
#include "ui/property_assign.h"
#include "ui/string_list.h"
#include "ui/text_compare.h"

using platform::Error;
using platform::FormatResString;
using platform::Narrow;
using platform::Widen;

namespace ui {
namespace {

[[noreturn]] void NotFound(std::string_view path) { throw Error(FormatResString(str::SPropertyNotFound, Widen(path))); }

[[noreturn]] void BadValue(std::string_view path) {
    throw Error(FormatResString(str::SInvalidPropertyValue, Widen(path)));
}

struct Segment {
    std::string_view name;
    int index = -1;  // Name[index]
};

// False when the text is not Name or Name[index].
bool ParseSegment(std::string_view text, Segment& s) {
    s = Segment{text};
    size_t open = text.find('[');
    if (open == std::string_view::npos) return true;
    if (text.back() != ']') return false;
    std::string_view digits = text.substr(open + 1, text.size() - open - 2);
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), s.index);
    if (ec != std::errc() || end != digits.data() + digits.size() || s.index < 0) return false;
    s.name = text.substr(0, open);
    return true;
}

bool ParseInteger(std::wstring_view text, std::int64_t& value) {
    std::string ascii = Narrow(text);
    const char* begin = ascii.data();
    if (!ascii.empty() && ascii[0] == '+') ++begin;
    auto [end, ec] = std::from_chars(begin, ascii.data() + ascii.size(), value);
    return !ascii.empty() && ec == std::errc() && end == ascii.data() + ascii.size();
}

std::wstring Trim(std::wstring_view text) {
    size_t b = text.find_first_not_of(L" \t");
    if (b == std::wstring_view::npos) return {};
    size_t e = text.find_last_not_of(L" \t");
    return std::wstring(text.substr(b, e - b + 1));
}

std::wstring SetText(const Property& p, std::uint32_t bits) {
    std::wstring out = L"[";
    for (size_t i = 0; i < p.names.size() && i < 32; ++i) {
        if (!(bits & (1u << i))) continue;
        if (out.size() > 1) out += L", ";
        out += Widen(p.names[i]);
    }
    return out + L"]";
}

// "[a, b]": the element names, checked when the value is assigned.
bool ParseSet(std::wstring_view text, std::vector<std::string>& names) {
    std::wstring t = Trim(text);
    if (t.size() < 2 || t.front() != L'[' || t.back() != L']') return false;
    std::wstring body = t.substr(1, t.size() - 2);
    size_t start = 0;
    while (start <= body.size()) {
        size_t comma = body.find(L',', start);
        if (comma == std::wstring::npos) comma = body.size();
        std::wstring name = Trim(std::wstring_view(body).substr(start, comma - start));
        if (!name.empty())
            names.push_back(Narrow(name));
        else if (comma < body.size())
            return false;
        start = comma + 1;
    }
    return true;
}

std::wstring HexText(const std::vector<std::uint8_t>& data) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring out;
    for (auto b : data) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

bool ParseHex(std::wstring_view text, std::vector<std::uint8_t>& data) {
    auto nibble = [](wchar_t c) -> int {
        if (c >= L'0' && c <= L'9') return c - L'0';
        if (c >= L'A' && c <= L'F') return c - L'A' + 10;
        if (c >= L'a' && c <= L'f') return c - L'a' + 10;
        return -1;
    };
    std::vector<int> nibbles;
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\r' || c == L'\n') continue;
        int n = nibble(c);
        if (n < 0) return false;
        nibbles.push_back(n);
    }
    if (nibbles.size() % 2) return false;
    data.clear();
    for (size_t i = 0; i < nibbles.size(); i += 2)
        data.push_back(static_cast<std::uint8_t>(nibbles[i] * 16 + nibbles[i + 1]));
    return true;
}

}  // namespace

const IntIdent* FindIdent(std::span<const IntIdent> idents, std::string_view name) {
    for (const auto& i : idents)
        if (SameText(i.name, name)) return &i;
    return nullptr;
}

const IntIdent* FindIdent(std::span<const IntIdent> idents, std::int64_t value) {
    for (const auto& i : idents)
        if (i.value == value) return &i;
    return nullptr;
}

int FindName(std::span<const char* const> names, std::string_view name) {
    for (size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], name)) return static_cast<int>(i);
    return -1;
}

PropertyRef LookupProperty(Persistent& root, std::string_view path) {
    Persistent* object = &root;
    std::string_view rest = path;
    for (;;) {
        size_t dot = rest.find('.');
        Segment seg;
        if (!ParseSegment(rest.substr(0, dot), seg)) return {};
        const Property* p = object->Properties().Find(seg.name);
        if (!p) return {};
        std::string_view tail = dot == std::string_view::npos ? std::string_view{} : rest.substr(dot + 1);
        bool last = dot == std::string_view::npos;
        if (p->kind == PropertyKind::StringList && (last || SameText(tail, "Strings")) && seg.index < 0)
            return {object, p};
        if (last) return seg.index < 0 ? PropertyRef{object, p} : PropertyRef{};
        if (p->kind == PropertyKind::Collection) {
            auto* collection = static_cast<Collection*>(p->object(*object));
            if (seg.index < 0 || seg.index >= collection->Count()) return {};
            object = &collection->Item(seg.index);
        } else if (p->kind == PropertyKind::Object && seg.index < 0) {
            object = p->object(*object);
        } else {
            return {};
        }
        rest = tail;
    }
}

PropertyRef FindProperty(Persistent& root, std::string_view path) {
    PropertyRef ref = LookupProperty(root, path);
    if (!ref.property) NotFound(path);
    return ref;
}

std::wstring GetPropertyText(Persistent& root, std::string_view path) {
    PropertyRef ref = FindProperty(root, path);
    const Property& p = *ref.property;
    switch (p.kind) {
        case PropertyKind::Integer: {
            std::int64_t v = p.getInteger(*ref.object);
            const IntIdent* ident = FindIdent(p.idents, v);
            return ident ? Widen(ident->name) : std::to_wstring(v);
        }
        case PropertyKind::Enumeration: {
            std::int64_t v = p.getInteger(*ref.object);
            return v >= 0 && static_cast<size_t>(v) < p.names.size() ? Widen(p.names[static_cast<size_t>(v)])
                                                                     : std::to_wstring(v);
        }
        case PropertyKind::Boolean:
            return p.getInteger(*ref.object) ? L"True" : L"False";
        case PropertyKind::Set:
            return SetText(p, static_cast<std::uint32_t>(p.getInteger(*ref.object)));
        case PropertyKind::String:
        case PropertyKind::WideString:
            return p.getText(*ref.object);
        case PropertyKind::Binary:
            return HexText(p.getBinary(*ref.object));
        case PropertyKind::StringList:
            return static_cast<StringList*>(p.object(*ref.object))->Text();
        case PropertyKind::Reference: {
            Component* c = p.getReference(*ref.object);
            return c ? Widen(c->Name()) : L"nil";
        }
        case PropertyKind::Object:
        case PropertyKind::Collection:
        case PropertyKind::Event:
            break;
    }
    BadValue(path);
}

void SetPropertyText(Persistent& root, std::string_view path, const std::wstring& text) {
    const Property& p = *FindProperty(root, path).property;
    using VT = forms::ValueType;
    forms::Value value;
    std::wstring trimmed = Trim(text);
    switch (p.kind) {
        case PropertyKind::Integer:
        case PropertyKind::Enumeration:
        case PropertyKind::Boolean:
            if (ParseInteger(trimmed, value.integer)) {
                value.type = VT::Integer;
            } else {
                std::string word = Narrow(trimmed);
                bool boolean = p.kind == PropertyKind::Boolean;
                value.type = boolean && SameText(word, "True")    ? VT::True
                             : boolean && SameText(word, "False") ? VT::False
                                                                  : VT::Ident;
                value.text = std::move(word);
            }
            break;
        case PropertyKind::Set:
            value.type = VT::Set;
            if (!ParseSet(text, value.names)) BadValue(path);
            break;
        case PropertyKind::String:
        case PropertyKind::WideString:
        case PropertyKind::StringList:
            value.type = VT::WideString;
            value.wide.assign(text.begin(), text.end());
            break;
        case PropertyKind::Binary:
            value.type = VT::Binary;
            if (!ParseHex(text, value.binary)) BadValue(path);
            break;
        case PropertyKind::Reference:
        case PropertyKind::Object:
        case PropertyKind::Collection:
        case PropertyKind::Event:
            BadValue(path);
    }
    AssignProperty(root, path, value);
}

}  // namespace ui
