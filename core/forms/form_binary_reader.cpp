#include <bit>
#include <cstring>
#include <new>
#include <stdexcept>

#include "core/forms/binary_tags.h"
#include "core/forms/form_binary.h"
#include "core/forms/read_budget.h"

namespace forms {
namespace {

// Deep enough for any real window, shallow enough that hostile data cannot exhaust the stack.
constexpr int kMaxDepth = 100;

static_assert(std::endian::native == std::endian::little, "the stored form is little-endian");

class BinaryReader {
public:
    BinaryReader(std::span<const std::uint8_t> data, ReadBudget& budget) : data_(data), budget_(budget) {}

    Object ReadForm() {
        if (Take(4) != std::string_view(tag::kSignature, 4)) Corrupt("the signature \"TPF0\" is missing");
        budget_.Charge(sizeof(Object));
        Object form;
        ReadObject(form, 0);
        return form;
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

    // Text is charged once it is known to be there, so a length cannot claim what the
    // input does not hold.
    std::string Text(std::string_view bytes) {
        budget_.Charge(bytes.size());
        return std::string(bytes);
    }

    std::string ShortString() { return Text(Take(Byte())); }

    std::string LongText() { return Text(Take(Little<std::uint32_t>())); }

    std::int32_t TaggedInteger() {
        switch (Byte()) {
            case tag::kInt8:
                return Little<std::int8_t>();
            case tag::kInt16:
                return Little<std::int16_t>();
            case tag::kInt32:
                return Little<std::int32_t>();
            default:
                --pos_;
                Corrupt("an integer was expected");
        }
    }

    bool AtInteger() const {
        const std::uint8_t next = Peek();
        return next == tag::kInt8 || next == tag::kInt16 || next == tag::kInt32;
    }

    void ReadObject(Object& object, int depth) {
        CheckDepth(depth);
        if ((Peek() & 0xF0) == tag::kPrefixMark) {
            object.flags = Byte() & 0x0F;
            if (object.flags & ~(kInherited | kChildPos | kInline)) Corrupt("unknown object flags");
            if (object.flags & kChildPos) object.position = TaggedInteger();
        }
        object.className = ShortString();
        object.name = ShortString();
        ReadProperties(object.properties, depth);
        while (Peek() != tag::kNull) {
            budget_.Grow(object.children);
            ReadObject(object.children.emplace_back(), depth + 1);
        }
        ++pos_;
    }

    void ReadProperties(std::vector<Property>& properties, int depth) {
        while (Peek() != tag::kNull) {
            budget_.Grow(properties);
            Property& property = properties.emplace_back();
            property.name = ShortString();
            ReadValue(property.value, depth + 1);
        }
        ++pos_;
    }

    // Into a value already charged as part of its container.
    void ReadValue(Value& value, int depth) {
        CheckDepth(depth);
        const std::uint8_t valueTag = Byte();
        switch (valueTag) {
            case tag::kList:
                value.type = ValueType::List;
                while (Peek() != tag::kNull) {
                    budget_.Grow(value.list);
                    ReadValue(value.list.emplace_back(), depth + 1);
                }
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
            case tag::kFalse:
                value.type = ValueType::False;
                break;
            case tag::kTrue:
                value.type = ValueType::True;
                break;
            case tag::kNil:
                value.type = ValueType::Nil;
                break;
            case tag::kBinary: {
                value.type = ValueType::Binary;
                const std::string_view bytes = Take(Little<std::uint32_t>());
                budget_.Charge(bytes.size());
                value.binary.assign(bytes.begin(), bytes.end());
                break;
            }
            case tag::kSet:
                value.type = ValueType::Set;
                for (std::string name = ShortString(); !name.empty(); name = ShortString())
                    budget_.Add(value.names, std::move(name));
                break;
            case tag::kCollection:
                ReadCollection(value, depth);
                break;
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
                budget_.Charge(bytes.size());
                value.wide.reserve(size_t(count));
                for (size_t i = 0; i < count; ++i)
                    value.wide.push_back(char16_t(
                        static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1]) << 8
                    ));
                break;
            }
            default:
                --pos_;
                Corrupt("unknown value type " + std::to_string(valueTag));
        }
    }

    // Items: an optional order integer, a list mark, the item's properties and a null.
    void ReadCollection(Value& value, int depth) {
        value.type = ValueType::Collection;
        while (Peek() != tag::kNull) {
            budget_.Grow(value.items);
            CollectionItem& item = value.items.emplace_back();
            if (AtInteger()) item.order = TaggedInteger();
            if (Byte() != tag::kList) {
                --pos_;
                Corrupt("a collection item was expected");
            }
            ReadProperties(item.properties, depth);
        }
        ++pos_;
    }

    std::span<const std::uint8_t> data_;
    ReadBudget& budget_;
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

Object ReadFormBinary(std::span<const std::uint8_t> data, const ReadLimits& limits) {
    ReadBudget budget(data.size(), limits);
    if (DetectFormStorage(data) == FormStorage::ResourceRecord) data = RecordContents(data);
    try {
        return BinaryReader(data, budget).ReadForm();
    } catch (const std::bad_alloc&) {
        throw FormError("Form description too large: out of memory while reading it");
    } catch (const std::length_error&) {
        throw FormError("Form description too large: out of memory while reading it");
    }
}

}  // namespace forms
