#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <limits>

#include "core/forms/form_text.h"
#include "core/forms/identifier.h"
#include "core/forms/number_text.h"

namespace forms {
namespace {

constexpr size_t kCharsPerStringLine = 64;
constexpr size_t kBytesPerBinaryLine = 32;

// One character of a string as the text form shows it: a literal byte or a #code.
struct StringUnit {
    bool literal;
    std::uint32_t value;
};

class TextWriter {
public:
    explicit TextWriter(const CodePage& codePage) : codePage_(codePage) {}

    std::string Write(const Object& form) {
        WriteObject(form, 0);
        out_ += "\r\n";
        return std::move(out_);
    }

private:
    void Line(int level) {
        if (!out_.empty()) out_ += "\r\n";
        out_.append(size_t(level) * 2, ' ');
    }

    static const std::string& Checked(const std::string& name, const char* what) {
        if (!IsIdentifier(name)) throw FormError(std::string(what) + " \"" + name + "\" is not a valid name");
        return name;
    }

    static bool IsOneOf(const std::string& word, std::initializer_list<std::string_view> keywords) {
        for (std::string_view keyword : keywords)
            if (SameText(word, keyword)) return true;
        return false;
    }

    // A property name the parser would take for the start of an object or for its end.
    static const std::string& CheckedPropertyName(const std::string& name) {
        if (IsOneOf(name, {"object", "inherited", "inline", "end"}))
            throw FormError("Property name \"" + name + "\" would read as a keyword in the text form");
        return Checked(name, "Property name");
    }

    // An identifier value the parser would read as a boolean or nil.
    static const std::string& CheckedIdentifier(const std::string& name) {
        if (IsOneOf(name, {"True", "False", "nil"}))
            throw FormError("Identifier \"" + name + "\" would read as " + name + " in the text form");
        return Checked(name, "Identifier");
    }

    void WriteObject(const Object& object, int level) {
        if ((object.flags & kInherited) && (object.flags & kInline))
            throw FormError(
                "Object \"" + object.name + "\" is both inherited and inline, which the text form cannot hold"
            );
        Line(level);
        out_ += (object.flags & kInherited) ? "inherited " : (object.flags & kInline) ? "inline " : "object ";
        if (!object.name.empty()) out_ += Checked(object.name, "Object name") + ": ";
        out_ += Checked(object.className, "Class name");
        if (object.flags & kChildPos) out_ += " [" + std::to_string(object.position) + "]";
        WriteProperties(object.properties, level + 1);
        for (const Object& child : object.children) WriteObject(child, level + 1);
        Line(level);
        out_ += "end";
    }

    void WriteProperties(const std::vector<Property>& properties, int level) {
        for (const Property& property : properties) {
            Line(level);
            out_ += CheckedPropertyName(property.name) + " = ";
            WriteValue(property.value, level, false);
        }
    }

    // Appends a value to the current line; its further lines are indented one level deeper
    // than `level`, the indentation of the line it starts on.
    void WriteValue(const Value& value, int level, bool startsLine) {
        switch (value.type) {
            case ValueType::Nil:
                out_ += "nil";
                break;
            case ValueType::False:
                out_ += "False";
                break;
            case ValueType::True:
                out_ += "True";
                break;
            case ValueType::Ident:
                out_ += CheckedIdentifier(value.text);
                break;
            case ValueType::Integer:
                out_ += std::to_string(value.integer);
                break;
            case ValueType::Extended:
                WriteExtended(value);
                break;
            case ValueType::Single:
                WriteSingle(value.real);
                break;
            case ValueType::Date:
                WriteDate(value.real);
                break;
            case ValueType::Currency:
                out_ += number_text::FromCurrency(value.integer) + "c";
                break;
            case ValueType::String:
                WriteString(NarrowUnits(value.text), level, startsLine);
                break;
            case ValueType::WideString:
                WriteString(WideUnits(value.wide), level, startsLine);
                break;
            case ValueType::Utf8String:
                WriteString(Utf8Units(value.text), level, startsLine);
                break;
            case ValueType::Binary:
                WriteBinary(value.binary, level);
                break;
            case ValueType::Set:
                WriteSet(value.names);
                break;
            case ValueType::List:
                WriteList(value.list, level);
                break;
            case ValueType::Collection:
                WriteCollection(value.items, level);
                break;
        }
    }

    void WriteSingle(double real) {
        if (!std::isfinite(real) || std::fabs(real) > std::numeric_limits<float>::max())
            throw FormError("A single value is not a finite single-precision number");
        out_ += number_text::FromSingle(float(real)) + "s";
    }

    void WriteDate(double real) {
        if (!std::isfinite(real)) throw FormError("A date value is not a finite number");
        out_ += number_text::FromDouble(real) + "d";
    }

    void WriteExtended(const Value& value) {
        const auto text = number_text::FromExtended(value.extended);
        if (!text) throw FormError("An extended value has no decimal form");
        out_ += *text;
    }

    static std::vector<StringUnit> NarrowUnits(const std::string& text) {
        std::vector<StringUnit> units;
        for (unsigned char c : text) units.push_back({c >= 32 && c != '\'', c});
        return units;
    }

    // A UTF-8 value the code page holds reads back as the 8-bit string it was written from.
    std::vector<StringUnit> Utf8Units(const std::string& text) const {
        const std::u16string wide = Utf8ToUtf16(text);
        if (const auto narrow = ExactNarrow(codePage_, wide)) return NarrowUnits(*narrow);
        return WideUnits(wide);
    }

    // Wide characters the code page holds as one byte, from 32 to 255, are written as that
    // byte; the rest as codes, which the parser reads as those characters (and so the string
    // as wide when the code page lacks one of them: "caf"#233 in Windows-1251).
    std::vector<StringUnit> WideUnits(const std::u16string& text) const {
        std::vector<StringUnit> units;
        for (char16_t c : text) {
            if (c >= 32 && c <= 255 && c != '\'') {
                const auto narrow = ExactNarrow(codePage_, std::u16string_view(&c, 1));
                if (narrow && narrow->size() == 1 && static_cast<unsigned char>((*narrow)[0]) >= 32 &&
                    (*narrow)[0] != '\'') {
                    units.push_back({true, static_cast<unsigned char>((*narrow)[0])});
                    continue;
                }
            }
            units.push_back({false, c});
        }
        return units;
    }

    void WriteString(const std::vector<StringUnit>& units, int level, bool startsLine) {
        if (units.size() <= kCharsPerStringLine) {
            out_ += Quoted(units, 0, units.size());
            return;
        }
        const int chunkLevel = startsLine ? level : level + 1;
        for (size_t start = 0; start < units.size(); start += kCharsPerStringLine) {
            if (start > 0) out_ += " +";
            if (start > 0 || !startsLine) Line(chunkLevel);
            out_ += Quoted(units, start, std::min(units.size(), start + kCharsPerStringLine));
        }
    }

    static std::string Quoted(const std::vector<StringUnit>& units, size_t begin, size_t end) {
        if (begin == end) return "''";
        std::string text;
        bool inQuotes = false;
        for (size_t i = begin; i < end; ++i) {
            if (units[i].literal != inQuotes) {
                text += '\'';
                inQuotes = units[i].literal;
            }
            if (units[i].literal) {
                text += char(units[i].value);
            } else {
                text += '#';
                text += std::to_string(units[i].value);
            }
        }
        if (inQuotes) text += '\'';
        return text;
    }

    void WriteBinary(const std::vector<std::uint8_t>& bytes, int level) {
        out_ += "{";
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes.size() >= kBytesPerBinaryLine && i % kBytesPerBinaryLine == 0) Line(level + 1);
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
            out_ += hex;
        }
        out_ += "}";
    }

    void WriteSet(const std::vector<std::string>& names) {
        out_ += "[";
        for (size_t i = 0; i < names.size(); ++i) out_ += (i ? ", " : "") + Checked(names[i], "Set element");
        out_ += "]";
    }

    void WriteList(const std::vector<Value>& list, int level) {
        out_ += "(";
        for (const Value& element : list) {
            Line(level + 1);
            WriteValue(element, level + 1, true);
        }
        out_ += ")";
    }

    void WriteCollection(const std::vector<CollectionItem>& items, int level) {
        out_ += "<";
        for (const CollectionItem& item : items) {
            Line(level + 1);
            out_ += "item";
            if (item.order) out_ += " [" + std::to_string(*item.order) + "]";
            WriteProperties(item.properties, level + 2);
            Line(level + 1);
            out_ += "end";
        }
        out_ += ">";
    }

    const CodePage& codePage_;
    std::string out_;
};

}  // namespace

std::string WriteFormText(const Object& form, const CodePage& codePage) { return TextWriter(codePage).Write(form); }

}  // namespace forms
