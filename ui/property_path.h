#pragma once
#include <string>
#include <string_view>

#include "ui/property.h"

// Reading and writing published properties by dotted path ("Font.Name", "Lines.Strings",
// "Panels[1].Width", "Header.Title.Text") and by text.
namespace ui {

struct PropertyRef {
    Persistent* object = nullptr;  // not owned: the object that carries `property`
    const Property* property = nullptr;
};

// Throws platform::Error when a segment names no property or an index is out of range.
PropertyRef FindProperty(Persistent& root, std::string_view path);
// The same, but an empty reference in those cases.
PropertyRef LookupProperty(Persistent& root, std::string_view path);

// Text forms: integers in decimal or as their identifier (clBtnFace), enumerations by
// identifier (an integer text gives the ordinal), booleans True/False, sets [a, b], texts
// as they are, string lists as CR LF separated lines, binary data in hexadecimal.
std::wstring GetPropertyText(Persistent& root, std::string_view path);
void SetPropertyText(Persistent& root, std::string_view path, const std::wstring& text);

// The identifier of a named value, or nothing; and back.
const IntIdent* FindIdent(std::span<const IntIdent> idents, std::string_view name);
const IntIdent* FindIdent(std::span<const IntIdent> idents, std::int64_t value);
// Index of `name` among enumeration or set element names, or -1.
int FindName(std::span<const char* const> names, std::string_view name);

}  // namespace ui
