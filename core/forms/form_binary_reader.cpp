#include <bit>
#include <cstring>

#include "core/forms/binary_tags.h"
#include "core/forms/form_binary.h"

namespace forms {
namespace {

// Deep enough for any real window, shallow enough that hostile data cannot exhaust the stack.
constexpr int kMaxDepth = 100;

static_assert(std::endian::native == std::endian::little, "the stored form is little-endian");

class BinaryReader {
public:
    explicit BinaryReader(std::span<const std::uint8_t> data) : data_(data) {}

    Object ReadForm() {
        if (Take(4) != std::string_view(tag::kSignature, 4)) Corrupt("the signature \"TPF0\" is missing");
        return ReadObject(0);
    }

private:
    [[noreturn]] void Corrupt(const std::string& what) const {
        throw FormError("Corrupt form description: " + what + " (byte " + std::to_string(pos_) + ")");
    }

    void CheckDepth(int depth) const {
        if (depth > kMaxDepth) Corrupt("nested too deeply");
    }

    void Need(std::uint64_t count) const {
        if (count > data_.size() - pos_) Corrupt("the data ends too early");
    }

    std::uint8_t Peek() const {
        Need(1);
        return data_[pos_];
    }

    std::uint8_t Byte() {
        Need(1);
        return data_[pos_++];
    }

    std::string_view Take(std::uint64_t count) {
        Need(count);
        const auto* start = reinterpret_cast<const char*>(data_.data() + pos_);
        pos_ += size_t(count);
        return {start, size_t(count)};
    }

    template <typename T>
    T Little() {
        T value;
        std::memcpy(&value, Take(sizeof(T)).data(), sizeof(T));
        return value;
    }

    std::string ShortString() { return std::string(Take(Byte())); }

    std::string LongText() { return std::string(Take(Little<std::uint32_t>())); }

    std::int32_t TaggedInteger() {
        switch (Byte()) {
        case tag::kInt8: return Little<std::int8_t>();
        case tag::kInt16: return Little<std::int16_t>();
        case tag::kInt32: return Little<std::int32_t>();
        default: --pos_; Corrupt("an integer was expected");
        }
    }

    bool AtInteger() const {
        const std::uint8_t next = Peek();
        return next == tag::kInt8 || next == tag::kInt16 || next == tag::kInt32;
    }

    Object ReadObject(int depth) {
        CheckDepth(depth);
        Object object;
        if ((Peek() & 0xF0) == tag::kPrefixMark) {
            object.flags = Byte() & 0x0F;
            if (object.flags & ~(kInherited | kChildPos | kInline)) Corrupt("unknown object flags");
            if (object.flags & kChildPos) object.position = TaggedInteger();
        }
        object.className = ShortString();
        object.name = ShortString();
        ReadProperties(object.properties, depth);
        while (Peek() != tag::kNull) object.children.push_back(ReadObject(depth + 1));
        ++pos_;
        return object;
    }

    void ReadProperties(std::vector<Property>& properties, int depth) {
        while (Peek() != tag::kNull) {
            Property property;
            property.name = ShortString();
            property.value = ReadValue(depth + 1);
            properties.push_back(std::move(property));
        }
        ++pos_;
    }

    Value ReadValue(int depth) {
        CheckDepth(depth);
        Value value;
        const std::uint8_t valueTag = Byte();
        switch (valueTag) {
        case tag::kList:
            value.type = ValueType::List;
            while (Peek() != tag::kNull) value.list.push_back(ReadValue(depth + 1));
            ++pos_;
            break;
        case tag::kInt8:
        case tag::kInt16:
        case tag::kInt32:
            --pos_;
            value.type = ValueType::Integer;
            value.integer = TaggedInteger();
            break;
        case tag::kExtended:
            value.type = ValueType::Extended;
            std::memcpy(value.extended, Take(10).data(), 10);
            break;
        case tag::kString:
            value.type = ValueType::String;
            value.text = ShortString();
            break;
        case tag::kLongString:
            value.type = ValueType::String;
            value.text = LongText();
            break;
        case tag::kUtf8String:
            value.type = ValueType::Utf8String;
            value.text = LongText();
            break;
        case tag::kIdent:
            value.type = ValueType::Ident;
            value.text = ShortString();
            break;
        case tag::kFalse: value.type = ValueType::False; break;
        case tag::kTrue: value.type = ValueType::True; break;
        case tag::kNil: value.type = ValueType::Nil; break;
        case tag::kBinary: {
            value.type = ValueType::Binary;
            const std::string_view bytes = Take(Little<std::uint32_t>());
            value.binary.assign(bytes.begin(), bytes.end());
            break;
        }
        case tag::kSet:
            value.type = ValueType::Set;
            for (std::string name = ShortString(); !name.empty(); name = ShortString()) value.names.push_back(name);
            break;
        case tag::kCollection: ReadCollection(value, depth); break;
        case tag::kSingle:
            value.type = ValueType::Single;
            value.real = Little<float>();
            break;
        case tag::kCurrency:
            value.type = ValueType::Currency;
            value.integer = Little<std::int64_t>();
            break;
        case tag::kDate:
            value.type = ValueType::Date;
            value.real = Little<double>();
            break;
        case tag::kWideString: {
            value.type = ValueType::WideString;
            const std::uint64_t count = Little<std::uint32_t>();
            const std::string_view bytes = Take(count * 2);
            for (size_t i = 0; i < count; ++i)
                value.wide.push_back(char16_t(static_cast<unsigned char>(bytes[2 * i]) |
                                              static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
            break;
        }
        default: --pos_; Corrupt("unknown value type " + std::to_string(valueTag));
        }
        return value;
    }

    // Items: an optional order integer, a list mark, the item's properties and a null.
    void ReadCollection(Value& value, int depth) {
        value.type = ValueType::Collection;
        while (Peek() != tag::kNull) {
            CollectionItem item;
            if (AtInteger()) item.order = TaggedInteger();
            if (Byte() != tag::kList) {
                --pos_;
                Corrupt("a collection item was expected");
            }
            ReadProperties(item.properties, depth);
            value.items.push_back(std::move(item));
        }
        ++pos_;
    }

    std::span<const std::uint8_t> data_;
    size_t pos_ = 0;
};

// The binary form inside a resource-file record: FF, type 10, the name up to a zero byte,
// memory flags and the size of what follows.
std::span<const std::uint8_t> RecordContents(std::span<const std::uint8_t> data) {
    size_t pos = 3;
    while (pos < data.size() && data[pos] != 0) ++pos;
    pos += 1 + 2;  // the name's terminator, the memory flags
    if (pos + 4 > data.size()) throw FormError("Corrupt form description: the resource record header is truncated");
    const std::uint32_t size = std::uint32_t(data[pos]) | std::uint32_t(data[pos + 1]) << 8 |
                               std::uint32_t(data[pos + 2]) << 16 | std::uint32_t(data[pos + 3]) << 24;
    pos += 4;
    if (size > data.size() - pos) throw FormError("Corrupt form description: the resource record is truncated");
    return data.subspan(pos, size);
}

}  // namespace

FormStorage DetectFormStorage(std::span<const std::uint8_t> data) {
    if (data.size() >= 3 && data[0] == tag::kRecordMark && data[1] == tag::kRcDataType && data[2] == 0)
        return FormStorage::ResourceRecord;
    if (data.size() >= 3 && std::memcmp(data.data(), tag::kSignature, 3) == 0) return FormStorage::Binary;
    return FormStorage::Text;
}

Object ReadFormBinary(std::span<const std::uint8_t> data) {
    if (DetectFormStorage(data) == FormStorage::ResourceRecord) data = RecordContents(data);
    return BinaryReader(data).ReadForm();
}

}  // namespace forms
