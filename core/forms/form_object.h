#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// In-memory form description: a tree of objects, each with its published property values,
// as stored in the binary "TPF0" form and in the text form. Both converters go through
// this model, and the user-interface kit creates windows from it.
namespace forms {

enum class ValueType {
    Nil,       // nil
    List,      // ( ... )
    Integer,   // 8, 16 or 32 bits in binary; the smallest that holds it is written
    Extended,  // 10-byte floating point
    String,    // 8-bit text in the form's code page (binary tag 6, 12 when longer than 255
               // bytes, or UTF-8 tag 20 from writer format 6 when that differs)
    Ident,     // identifier (enumeration value, event handler name, component reference)
    False,
    True,
    Binary,      // { hex }
    Set,         // [ names ]
    Collection,  // < item ... end >
    Single,      // suffix "s"
    Currency,    // suffix "c"
    Date,        // suffix "d"
    WideString,  // UTF-16 text
    Utf8String,  // UTF-8 text (binary tag 20 as read)
};

struct Property;

struct CollectionItem {
    std::optional<std::int32_t> order;
    std::vector<Property> properties;
};

struct Value {
    ValueType type = ValueType::Nil;
    std::int64_t integer = 0;           // Integer; Currency as its scaled 64-bit integer (value * 10000)
    std::uint8_t extended[10] = {};     // Extended (80-bit little-endian)
    double real = 0;                    // Single, Date
    std::string text;                   // String (8-bit), Ident, Utf8String
    std::u16string wide;                // WideString
    std::vector<std::uint8_t> binary;   // Binary
    std::vector<std::string> names;     // Set
    std::vector<Value> list;            // List
    std::vector<CollectionItem> items;  // Collection
};

struct Property {
    std::string name;  // may be dotted, e.g. "Font.Name"
    Value value;
};

// Prefix flags of an object header.
enum ObjectFlags : std::uint8_t { kInherited = 1, kChildPos = 2, kInline = 4 };

struct Object {
    std::uint8_t flags = 0;
    std::int32_t position = 0;  // meaningful when flags has kChildPos
    std::string name;           // may be empty
    std::string className;
    std::vector<Property> properties;
    std::vector<Object> children;

    const Property* Find(const std::string& propertyName) const;
};

}  // namespace forms
