#pragma once
#include <cstdint>

// Value tags of the binary form.
namespace forms::tag {

enum : std::uint8_t {
    kNull = 0,  // ends a list, a collection or a collection item
    kList = 1,
    kInt8 = 2,
    kInt16 = 3,
    kInt32 = 4,
    kExtended = 5,
    kString = 6,
    kIdent = 7,
    kFalse = 8,
    kTrue = 9,
    kBinary = 10,
    kSet = 11,
    kLongString = 12,
    kNil = 13,
    kCollection = 14,
    kSingle = 15,
    kCurrency = 16,
    kDate = 17,
    kWideString = 18,
    kUtf8String = 20,
};

constexpr std::uint8_t kPrefixMark = 0xF0;  // high nibble of an object's flags byte
constexpr char kSignature[4] = {'T', 'P', 'F', '0'};
constexpr std::uint8_t kRecordMark = 0xFF;  // start of a resource-file record
constexpr std::uint16_t kRcDataType = 10;
constexpr std::uint16_t kRecordMemoryFlags = 0x1030;

}  // namespace forms::tag
