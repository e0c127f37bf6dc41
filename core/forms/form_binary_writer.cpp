#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/forms/binary_tags.h"
#include "core/forms/form_binary.h"

namespace forms {
namespace {

static_assert(std::endian::native == std::endian::little, "the stored form is little-endian");

constexpr int kFirstUtf8Format = 6;
constexpr size_t kMaxShortString = 255;
constexpr size_t kMaxRecordName = 69;
// A longer class name's length byte would read as an object's flags byte.
constexpr size_t kMaxClassName = tag::kPrefixMark - 1;

class BinaryWriter {
public:
    BinaryWriter(int writerFormat, const CodePage& codePage) : format_(writerFormat), codePage_(codePage) {}

    std::vector<std::uint8_t> Write(const Object& form) {
        WriteObject(form);
        return std::move(out_);
    }

private:
    template <typename T>
    void Little(T value) {
        std::uint8_t bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        out_.insert(out_.end(), bytes, bytes + sizeof(T));
    }

    void Bytes(std::string_view bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

    void ShortString(std::string_view text, const char* what) {
        if (text.size() > kMaxShortString)
            throw FormError(
                std::string(what) + " is longer than 255 characters: " + std::string(text.substr(0, 32)) + "..."
            );
        out_.push_back(std::uint8_t(text.size()));
        Bytes(text);
    }

    void LongText(std::uint8_t valueTag, std::string_view text) {
        out_.push_back(valueTag);
        Length(text.size());
        Bytes(text);
    }

    void Length(size_t length) {
        if (length > std::numeric_limits<std::uint32_t>::max()) throw FormError("A value is larger than 4 GB");
        Little(std::uint32_t(length));
    }

    // The smallest of the 8, 16 and 32-bit tags that holds the value.
    void Integer(std::int64_t value) {
        if (value >= INT8_MIN && value <= INT8_MAX) {
            out_.push_back(tag::kInt8);
            Little(std::int8_t(value));
        } else if (value >= INT16_MIN && value <= INT16_MAX) {
            out_.push_back(tag::kInt16);
            Little(std::int16_t(value));
        } else if (value >= INT32_MIN && value <= INT32_MAX) {
            out_.push_back(tag::kInt32);
            Little(std::int32_t(value));
        } else {
            throw FormError("Integer " + std::to_string(value) + " does not fit in 32 bits");
        }
    }

    void WriteObject(const Object& object) {
        if (object.flags & ~(kInherited | kChildPos | kInline)) throw FormError("Unknown object flags");
        if (object.flags) {
            out_.push_back(std::uint8_t(tag::kPrefixMark | object.flags));
            if (object.flags & kChildPos) Integer(object.position);
        }
        if (object.className.empty() || object.className.size() > kMaxClassName)
            throw FormError("Class name \"" + object.className.substr(0, 32) + "\" is empty or too long");
        ShortString(object.className, "Class name");
        ShortString(object.name, "Object name");
        WriteProperties(object.properties);
        for (const Object& child : object.children) WriteObject(child);
        out_.push_back(tag::kNull);
    }

    void WriteProperties(const std::vector<Property>& properties) {
        for (const Property& property : properties) {
            if (property.name.empty()) throw FormError("A property has no name");
            ShortString(property.name, "Property name");
            WriteValue(property.value);
        }
        out_.push_back(tag::kNull);
    }

    void WriteValue(const Value& value) {
        switch (value.type) {
            case ValueType::Nil:
                out_.push_back(tag::kNil);
                break;
            case ValueType::False:
                out_.push_back(tag::kFalse);
                break;
            case ValueType::True:
                out_.push_back(tag::kTrue);
                break;
            case ValueType::Integer:
                Integer(value.integer);
                break;
            case ValueType::Extended:
                out_.push_back(tag::kExtended);
                out_.insert(out_.end(), value.extended, value.extended + 10);
                break;
            case ValueType::Single:
                if (std::isfinite(value.real) && std::fabs(value.real) > std::numeric_limits<float>::max())
                    throw FormError("A single value is out of range");
                out_.push_back(tag::kSingle);
                Little(float(value.real));
                break;
            case ValueType::Currency:
                out_.push_back(tag::kCurrency);
                Little(value.integer);
                break;
            case ValueType::Date:
                out_.push_back(tag::kDate);
                Little(value.real);
                break;
            case ValueType::Ident:
                out_.push_back(tag::kIdent);
                ShortString(value.text, "Identifier");
                break;
            case ValueType::String:
                WriteString(value.text);
                break;
            case ValueType::Utf8String:
                WriteUtf8String(value.text);
                break;
            case ValueType::WideString:
                WriteWideString(value.wide);
                break;
            case ValueType::Binary:
                out_.push_back(tag::kBinary);
                Length(value.binary.size());
                out_.insert(out_.end(), value.binary.begin(), value.binary.end());
                break;
            case ValueType::Set:
                out_.push_back(tag::kSet);
                for (const std::string& name : value.names) {
                    if (name.empty()) throw FormError("A set element has no name");
                    ShortString(name, "Set element");
                }
                out_.push_back(0);
                break;
            case ValueType::List:
                out_.push_back(tag::kList);
                for (const Value& element : value.list) WriteValue(element);
                out_.push_back(tag::kNull);
                break;
            case ValueType::Collection:
                WriteCollection(value.items);
                break;
        }
    }

    void WriteString(const std::string& text) {
        if (format_ >= kFirstUtf8Format) {
            const std::string utf8 = Utf16ToUtf8(codePage_.ToWide(text));
            if (utf8 != text) return LongText(tag::kUtf8String, utf8);
        }
        if (text.size() <= kMaxShortString) {
            out_.push_back(tag::kString);
            ShortString(text, "String");
        } else {
            LongText(tag::kLongString, text);
        }
    }

    // Formats before UTF-8 strings existed get the 8-bit form when the code page holds it.
    void WriteUtf8String(const std::string& text) {
        if (format_ >= kFirstUtf8Format) return LongText(tag::kUtf8String, text);
        const std::u16string wide = Utf8ToUtf16(text);
        if (const auto narrow = ExactNarrow(codePage_, wide)) return WriteString(*narrow);
        WriteWideString(wide);
    }

    void WriteWideString(const std::u16string& text) {
        out_.push_back(tag::kWideString);
        Length(text.size());
        for (char16_t c : text) Little(std::uint16_t(c));
    }

    void WriteCollection(const std::vector<CollectionItem>& items) {
        out_.push_back(tag::kCollection);
        for (const CollectionItem& item : items) {
            if (item.order) Integer(*item.order);
            out_.push_back(tag::kList);
            WriteProperties(item.properties);
        }
        out_.push_back(tag::kNull);
    }

    const int format_;
    const CodePage& codePage_;
    std::vector<std::uint8_t> out_{std::begin(tag::kSignature), std::end(tag::kSignature)};
};

}  // namespace

std::vector<std::uint8_t> WriteFormBinary(const Object& form, int writerFormat, const CodePage& codePage) {
    return BinaryWriter(writerFormat, codePage).Write(form);
}

std::vector<std::uint8_t> WriteFormResourceRecord(const Object& form, int writerFormat, const CodePage& codePage) {
    if (form.className.size() > kMaxRecordName) throw FormError("Component name is too long");
    if (form.className.find('\0') != std::string::npos) throw FormError("The class name holds a zero byte");
    const std::vector<std::uint8_t> binary = WriteFormBinary(form, writerFormat, codePage);
    std::vector<std::uint8_t> record;
    record.reserve(3 + form.className.size() + 1 + 2 + 4 + binary.size());
    record.push_back(tag::kRecordMark);
    record.push_back(std::uint8_t(tag::kRcDataType));
    record.push_back(std::uint8_t(tag::kRcDataType >> 8));
    record.insert(record.end(), form.className.begin(), form.className.end());
    record.push_back(0);
    record.push_back(std::uint8_t(tag::kRecordMemoryFlags));
    record.push_back(std::uint8_t(tag::kRecordMemoryFlags >> 8));
    if (binary.size() > std::numeric_limits<std::uint32_t>::max()) throw FormError("The form is larger than 4 GB");
    const auto size = std::uint32_t(binary.size());
    for (int shift = 0; shift < 32; shift += 8) record.push_back(std::uint8_t(size >> shift));
    record.insert(record.end(), binary.begin(), binary.end());
    return record;
}

}  // namespace forms
