#include "core/localizer/pe_reader.h"

#include <algorithm>
#include <cstring>

#include "core/localizer/lang_file.h"
#include "core/localizer/pe_format.h"
#include "core/localizer/read_failure.h"

namespace localizer {

namespace {

[[noreturn]] void Damaged() { throw ExeError(msg::kNotPeFile); }

// Little-endian reads that refuse to leave the span.
std::uint16_t U16At(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    if (offset + 2 > bytes.size()) Damaged();
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    return U16At(bytes, offset) | static_cast<std::uint32_t>(U16At(bytes, offset + 2)) << 16;
}

// Resource type names of the numbered top-level entries below 17; the gaps are numbers.
const char* const kTypeNames[] = {nullptr,       "Cursor",  "Bitmap",    "Icon",        "Menu",   "Dialog",
                                  "String",      "FontDir", "Font",      "Accelerator", "RCData", "MessageTable",
                                  "GroupCursor", nullptr,   "GroupIcon", nullptr,       "Version"};

}  // namespace

PEResourceItem::PEResourceItem(const PEReader* reader, int level, std::uint32_t nameField, std::uint32_t offsetField)
    : reader_(reader),
      level_(level),
      named_((nameField & pe::kSubtreeBit) != 0),
      list_((offsetField & pe::kSubtreeBit) != 0),
      offset_(offsetField & ~pe::kSubtreeBit) {
    if (!named_) {
        id_ = static_cast<std::uint16_t>(nameField);
        return;
    }
    // The name must lie in the section; it is read when asked for.
    nameOffset_ = nameField & ~pe::kSubtreeBit;
    nameLength_ = reader->SectionU16(nameOffset_);
    reader->SectionBytes(std::uint64_t(nameOffset_) + 2, 2ull * nameLength_);
}

std::u16string PEResourceItem::WideName() const {
    if (!named_) return {};
    reader_->Charge(2ull + 2ull * nameLength_);
    const auto units = reader_->SectionBytes(std::uint64_t(nameOffset_) + 2, 2ull * nameLength_);
    std::u16string name(nameLength_, u'\0');
    for (std::uint16_t i = 0; i < nameLength_; ++i)
        name[i] = static_cast<char16_t>(units[2 * i] | units[2 * i + 1] << 8);
    return name;
}

std::string PEResourceItem::Name(const Locale& locale) const {
    if (named_) return locale.ToNarrow(WideName(), locale.SystemCodePage());
    if (level_ == 0 && id_ < std::size(kTypeNames) && kTypeNames[id_]) return kTypeNames[id_];
    return std::to_string(id_);
}

PEResourceList PEResourceItem::List() const {
    if (!list_) throw ExeError(msg::kItemIsNotList);
    return PEResourceList(reader_, offset_, level_ + 1);
}

std::span<const std::uint8_t> PEResourceItem::Data() const {
    if (list_) Damaged();
    const auto data = reader_->BytesAtRva(reader_->SectionU32(offset_), reader_->SectionU32(offset_ + 4));
    reader_->Charge(data.size());
    return data;
}

PEResourceList::PEResourceList(const PEReader* reader, std::uint32_t offset, int level) : level_(level) {
    const std::uint32_t count = reader->SectionU16(offset + pe::kNamedCountField) +
                                std::uint32_t(reader->SectionU16(offset + pe::kIdCountField));
    // The whole table must be there, and within what the reader may still hand out, before
    // anything is allocated for it.
    const auto table =
        reader->SectionBytes(std::uint64_t(offset) + pe::kDirectorySize, std::uint64_t(count) * pe::kEntrySize);
    reader->Charge(pe::kDirectorySize + table.size());
    items_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        items_.emplace_back(reader, level, U32At(table, i * pe::kEntrySize), U32At(table, i * pe::kEntrySize + 4));
}

PEReader::PEReader(std::vector<std::uint8_t> image) : image_(std::move(image)) {
    const std::span<const std::uint8_t> file(image_);
    if (file.size() < 2 || U16At(file, 0) != pe::kDosSignature) throw ExeError(msg::kUnrecognizedFileFormat);
    const std::uint64_t header = U32At(file, pe::kNewHeaderOffsetField);
    if (U32At(file, header) != pe::kPeSignature) Damaged();
    const std::uint64_t fileHeader = header + 4;
    const std::uint16_t sectionCount = U16At(file, fileHeader + pe::kSectionCountField);
    // The optional header's own size says where the section table starts: 224 bytes in a
    // 32-bit image, 240 in a 64-bit one.
    const std::uint16_t optionalSize = U16At(file, fileHeader + pe::kOptionalHeaderSizeField);
    const std::uint64_t optional = fileHeader + pe::kFileHeaderSize;
    if (optionalSize < 2 || optional + optionalSize > file.size()) Damaged();
    const std::uint16_t magic = U16At(file, optional);
    if (magic != pe::kMagicPe32 && magic != pe::kMagicPe32Plus) Damaged();
    is64Bit_ = magic == pe::kMagicPe32Plus;

    const std::uint64_t sections = optional + optionalSize;
    if (sections + std::uint64_t(sectionCount) * pe::kSectionHeaderSize > file.size()) Damaged();
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::uint64_t at = sections + std::uint64_t(i) * pe::kSectionHeaderSize;
        if (std::memcmp(&image_[at], pe::kResourceSectionName, pe::kSectionNameSize) != 0) continue;
        sectionAddress_ = U32At(file, at + pe::kVirtualAddressField);
        sectionStart_ = U32At(file, at + pe::kRawPointerField);
        const std::uint32_t rawSize = U32At(file, at + pe::kRawSizeField);
        if (sectionStart_ > file.size()) Damaged();
        // Raw data cut short by the end of the file is read as far as it goes.
        sectionSize_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(rawSize, file.size() - sectionStart_));
        return;
    }
    throw ExeError(msg::kNoResources);
}

PEReader PEReader::FromFile(const std::wstring& fileName) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadAsOwn<ExeError>(msg::kModuleTooLarge, [&] { return ReadWholeFile(fileName); });
    } catch (const FileError&) {
        throw ExeError(msg::kCouldNotOpen + PathText(fileName));
    }
    return PEReader(std::move(bytes));
}

void PEReader::Charge(std::uint64_t bytes) const {
    const std::uint64_t allowed = kHandOutPerFileByte * image_.size();
    if (bytes > allowed - handedOut_) Damaged();
    handedOut_ += bytes;
}

std::span<const std::uint8_t> PEReader::SectionBytes(std::uint64_t offset, std::uint64_t size) const {
    if (offset > sectionSize_ || size > sectionSize_ - offset) Damaged();
    return std::span<const std::uint8_t>(image_).subspan(sectionStart_ + offset, size);
}

std::uint16_t PEReader::SectionU16(std::uint32_t offset) const { return U16At(SectionBytes(offset, 2), 0); }

std::uint32_t PEReader::SectionU32(std::uint32_t offset) const { return U32At(SectionBytes(offset, 4), 0); }

std::span<const std::uint8_t> PEReader::BytesAtRva(std::uint32_t rva, std::uint32_t size) const {
    if (rva < sectionAddress_) Damaged();
    return SectionBytes(rva - sectionAddress_, size);
}

}  // namespace localizer
