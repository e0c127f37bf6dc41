#pragma once
#include <cstdint>

// The parts of the Windows executable format that the resource reader and the module
// writer use, as byte offsets and constants (the core has no Windows headers).
namespace localizer::pe {

inline constexpr std::uint16_t kDosSignature = 0x5A4D;        // "MZ"
inline constexpr std::uint32_t kNewHeaderOffsetField = 0x3C;  // u32 offset of the PE header
inline constexpr std::uint32_t kPeSignature = 0x00004550;     // "PE\0\0"

// File header, right after the signature.
inline constexpr std::uint32_t kFileHeaderSize = 20;
inline constexpr std::uint32_t kSectionCountField = 2;
inline constexpr std::uint32_t kOptionalHeaderSizeField = 16;

// Optional header magic: 32-bit images (language modules) and 64-bit ones (the program).
inline constexpr std::uint16_t kMagicPe32 = 0x010B;
inline constexpr std::uint16_t kMagicPe32Plus = 0x020B;
inline constexpr std::uint32_t kPe32OptionalHeaderSize = 224;
inline constexpr std::uint32_t kDataDirectoryCount = 16;
inline constexpr std::uint32_t kResourceDirectoryIndex = 2;

// Section header.
inline constexpr std::uint32_t kSectionHeaderSize = 40;
inline constexpr std::uint32_t kSectionNameSize = 8;
inline constexpr std::uint32_t kVirtualAddressField = 12;
inline constexpr std::uint32_t kRawSizeField = 16;
inline constexpr std::uint32_t kRawPointerField = 20;
inline constexpr char kResourceSectionName[kSectionNameSize] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};

// Resource tree.
inline constexpr std::uint32_t kDirectorySize = 16;
inline constexpr std::uint32_t kNamedCountField = 12;
inline constexpr std::uint32_t kIdCountField = 14;
inline constexpr std::uint32_t kEntrySize = 8;
inline constexpr std::uint32_t kDataEntrySize = 16;
inline constexpr std::uint32_t kSubtreeBit = 0x80000000;  // entry name: named; entry offset: a directory

inline constexpr std::uint16_t kStringType = 6;
inline constexpr std::uint16_t kRcDataType = 10;
inline constexpr int kStringsPerBlock = 16;

}  // namespace localizer::pe
