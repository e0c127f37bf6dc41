#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/localizer/locale.h"
#include "core/localizer/resource_errors.h"

// TPEReader: the resources of a Windows executable, the program file (64-bit) or a
// language module (32-bit). Every offset, size and RVA taken from the file is checked
// against it: a damaged or hostile file raises ExeError, never reads outside the image.
// Directories may share entries, names and data, so a small file could describe far more
// than it holds; what a reader hands out over its life is therefore bounded by its size.
namespace localizer {

class PEReader;
class PEResourceList;

// TPEResourceItem: one entry of a resource directory.
class PEResourceItem {
public:
    PEResourceItem(const PEReader* reader, int level, std::uint32_t nameField, std::uint32_t offsetField);

    bool Named() const { return named_; }
    std::uint16_t Id() const { return id_; }
    // Decoded on each call: entries that share one long name cost nothing until asked.
    std::u16string WideName() const;
    // A named entry's name in the system code page; a numbered top-level entry below 17 the
    // resource type's name ("String", "RCData"); any other number its decimal text.
    std::string Name(const Locale& locale) const;

    bool IsList() const { return list_; }
    // The directory below this entry; ExeError "ResourceItem is not a list" for data.
    PEResourceList List() const;
    // The bytes of a data entry.
    std::span<const std::uint8_t> Data() const;

private:
    const PEReader* reader_;  // not owned
    int level_;
    bool named_;
    std::uint16_t id_ = 0;
    std::uint32_t nameOffset_ = 0;  // of a named entry's length and characters
    std::uint16_t nameLength_ = 0;
    bool list_;
    std::uint32_t offset_;  // of the directory or data entry, from the section's start
};

// TPEResourceList: one resource directory.
class PEResourceList {
public:
    PEResourceList(const PEReader* reader, std::uint32_t offset, int level);
    const std::vector<PEResourceItem>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    const PEResourceItem& operator[](int index) const { return items_[static_cast<std::size_t>(index)]; }
    int Level() const { return level_; }

private:
    int level_;
    std::vector<PEResourceItem> items_;
};

class PEReader {
public:
    // Checks the headers and finds the ".rsrc" section.
    explicit PEReader(std::vector<std::uint8_t> image);
    // The lists and items it hands out point back at it, so it stays where it was made.
    PEReader(const PEReader&) = delete;
    PEReader& operator=(const PEReader&) = delete;
    // ExeError "Couldn't open: " + name when the file cannot be read.
    static PEReader FromFile(const std::wstring& fileName);

    bool Is64Bit() const { return is64Bit_; }
    std::uint32_t ResourceVirtualAddress() const { return sectionAddress_; }
    std::span<const std::uint8_t> Image() const { return image_; }
    // The root directory (the resource types).
    PEResourceList Resources() const { return PEResourceList(this, 0, 0); }

    // Bounds-checked access to the resource section, by offset from its start.
    std::uint16_t SectionU16(std::uint32_t offset) const;
    std::uint32_t SectionU32(std::uint32_t offset) const;
    std::span<const std::uint8_t> SectionBytes(std::uint64_t offset, std::uint64_t size) const;
    // The bytes at an RVA inside the resource section.
    std::span<const std::uint8_t> BytesAtRva(std::uint32_t rva, std::uint32_t size) const;

    // Counts what is handed out (directory entries listed, names decoded, data given);
    // ExeError once the total passes kHandOutPerFileByte times the file's size. A walk of
    // every entry takes about the file's size, so a module can be read several times over.
    void Charge(std::uint64_t bytes) const;
    static constexpr std::uint64_t kHandOutPerFileByte = 8;

private:
    std::vector<std::uint8_t> image_;
    bool is64Bit_ = false;
    std::uint32_t sectionAddress_ = 0;
    std::uint32_t sectionStart_ = 0;  // file offset
    std::uint32_t sectionSize_ = 0;   // raw bytes present in the file
    mutable std::uint64_t handedOut_ = 0;
};

}  // namespace localizer
