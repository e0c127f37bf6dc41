#pragma once
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/forms/form_binary.h"
#include "core/forms/form_text.h"
#include "tests/core/forms/windows_1251.h"

namespace formtest {

namespace detail {

using Difference = std::optional<std::string>;

inline bool IsText(forms::ValueType type) {
    return type == forms::ValueType::String || type == forms::ValueType::WideString ||
           type == forms::ValueType::Utf8String;
}

Difference PropertiesDiffer(
    const std::vector<forms::Property>& a, const std::vector<forms::Property>& b, const forms::CodePage& codePage,
    const std::string& path
);

// Strings compare as the characters they hold: an 8-bit string (in `codePage`), a wide
// string and a UTF-8 string with the same characters are the same string. Two 8-bit strings
// must hold the same bytes. Everything else compares exactly.
inline Difference ValuesDiffer(
    const forms::Value& a, const forms::Value& b, const forms::CodePage& codePage, const std::string& path
) {
    using forms::ValueType;
    if (IsText(a.type) && IsText(b.type)) {
        const bool same = a.type == ValueType::String && b.type == ValueType::String
                              ? a.text == b.text
                              : forms::WideTextOf(a, codePage) == forms::WideTextOf(b, codePage);
        return same ? Difference() : path + ": the string changed";
    }
    if (a.type != b.type)
        return path + ": value type " + std::to_string(int(a.type)) + " became " + std::to_string(int(b.type));
    bool same = true;
    switch (a.type) {
        case ValueType::Integer:
        case ValueType::Currency:
            same = a.integer == b.integer;
            break;
        case ValueType::Extended:
            same = std::equal(a.extended, a.extended + 10, b.extended);
            break;
        case ValueType::Single:
        case ValueType::Date:
            same = a.real == b.real || (std::isnan(a.real) && std::isnan(b.real));
            break;
        case ValueType::Ident:
            same = a.text == b.text;
            break;
        case ValueType::Binary:
            same = a.binary == b.binary;
            break;
        case ValueType::Set:
            same = a.names == b.names;
            break;
        case ValueType::List:
            if (a.list.size() != b.list.size()) return path + ": the list's length changed";
            for (size_t i = 0; i < a.list.size(); ++i)
                if (auto d = ValuesDiffer(a.list[i], b.list[i], codePage, path + "(" + std::to_string(i) + ")"))
                    return d;
            break;
        case ValueType::Collection:
            if (a.items.size() != b.items.size()) return path + ": the collection's length changed";
            for (size_t i = 0; i < a.items.size(); ++i) {
                const std::string item = path + "<" + std::to_string(i) + ">";
                if (a.items[i].order != b.items[i].order) return item + ": the order changed";
                if (auto d = PropertiesDiffer(a.items[i].properties, b.items[i].properties, codePage, item)) return d;
            }
            break;
        default:
            break;
    }
    return same ? Difference() : path + ": the value changed";
}

inline Difference PropertiesDiffer(
    const std::vector<forms::Property>& a, const std::vector<forms::Property>& b, const forms::CodePage& codePage,
    const std::string& path
) {
    if (a.size() != b.size()) return path + ": the number of properties changed";
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].name != b[i].name) return path + ": property " + a[i].name + " became " + b[i].name;
        if (auto d = ValuesDiffer(a[i].value, b[i].value, codePage, path + "." + a[i].name)) return d;
    }
    return std::nullopt;
}

inline Difference TreesDiffer(
    const forms::Object& a, const forms::Object& b, const forms::CodePage& codePage, const std::string& path = "form"
) {
    const std::string here = path + "/" + a.name + ":" + a.className;
    if (a.flags != b.flags) return here + ": the flags changed";
    if ((a.flags & forms::kChildPos) && a.position != b.position) return here + ": the position changed";
    if (a.name != b.name || a.className != b.className) return here + ": became " + b.name + ":" + b.className;
    if (auto d = PropertiesDiffer(a.properties, b.properties, codePage, here)) return d;
    if (a.children.size() != b.children.size()) return here + ": the number of children changed";
    for (size_t i = 0; i < a.children.size(); ++i)
        if (auto d = TreesDiffer(a.children[i], b.children[i], codePage, here)) return d;
    return std::nullopt;
}

// tree -> text -> tree gives the same tree, and the text writes back unchanged. The writer
// may refuse a tree the text form cannot hold, unless `mustWrite` (a tree that was parsed).
inline Difference CheckThroughText(const forms::Object& tree, const forms::CodePage& codePage, bool mustWrite) {
    std::string text;
    try {
        text = forms::WriteFormText(tree, codePage);
    } catch (const forms::FormError& error) {
        if (mustWrite) return std::string("a parsed tree cannot be written: ") + error.what();
        return std::nullopt;  // a name or value with no text form: refused, as it should be
    }
    forms::Object parsed;
    try {
        parsed = forms::ParseFormText(text, codePage);
    } catch (const forms::FormError& error) {
        return std::string("written text does not parse: ") + error.what();
    }
    if (auto d = TreesDiffer(tree, parsed, codePage)) return "tree -> text -> tree: " + *d;
    if (forms::WriteFormText(parsed, codePage) != text) return "parsed text writes back differently";
    return std::nullopt;
}

// tree -> binary -> tree gives the same tree in both writer formats.
inline Difference CheckThroughBinary(const forms::Object& tree, const forms::CodePage& codePage) {
    for (int format : {forms::kBuiltWriterFormat, forms::kDefaultWriterFormat}) {
        std::vector<std::uint8_t> binary;
        try {
            binary = forms::WriteFormBinary(tree, format, codePage);
        } catch (const forms::FormError&) {
            continue;  // a name too long for the binary form: refused, as it should be
        }
        forms::Object back;
        try {
            back = forms::ReadFormBinary(binary);
        } catch (const forms::FormError& error) {
            return std::string("written binary does not read: ") + error.what();
        }
        if (auto d = TreesDiffer(tree, back, codePage))
            return "tree -> binary (format " + std::to_string(format) + ") -> tree: " + *d;
    }
    return std::nullopt;
}

inline Difference CheckTree(const forms::Object& tree, const forms::CodePage& codePage, bool parsed) {
    if (auto d = CheckThroughText(tree, codePage, parsed)) return d;
    return CheckThroughBinary(tree, codePage);
}

}  // namespace detail

// Feeds arbitrary bytes to both readers, with the portable code page and with a Cyrillic
// one. They either refuse them with FormError or accept them, and whatever they accept
// must convert on without change: binary -> tree -> text -> tree and tree -> binary -> tree
// give the tree first read (strings compared as the characters they hold). Returns the
// broken promise.
inline std::optional<std::string> CheckFormInput(std::span<const std::uint8_t> data) {
    const std::string input(data.begin(), data.end());
    for (const forms::CodePage* codePage : {&forms::Windows1252(), &Cyrillic()}) {
        const std::string page = codePage == &forms::Windows1252() ? " (Windows-1252)" : " (Windows-1251)";
        std::optional<forms::Object> tree;
        try {
            tree = forms::ReadFormBinary(data);
        } catch (const forms::FormError&) {
        }
        if (tree)
            if (auto d = detail::CheckTree(*tree, *codePage, false)) return "binary input" + page + ": " + *d;
        tree.reset();
        try {
            tree = forms::ParseFormText(input, *codePage);
        } catch (const forms::FormError&) {
        }
        if (tree)
            if (auto d = detail::CheckTree(*tree, *codePage, true)) return "text input" + page + ": " + *d;
    }
    return std::nullopt;
}

}  // namespace formtest
