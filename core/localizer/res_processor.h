#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/localizer/byte_stream.h"
#include "core/localizer/locale.h"
#include "core/localizer/pe_reader.h"

// TResProcessor: the string tables and RCDATA resources of one module, in memory, and the
// resource-only language module written from them.
namespace localizer {

// Seconds for the module's TimeDateStamp fields, asked once per field written.
using StampClock = std::function<std::uint32_t()>;
// The local date and time now, counted from 1969-12-31 16:00:00, as the stamps are kept.
std::uint32_t LocalTimeStamp();

// TResBlock: one resource type's group. Its subtree, written at `offset` from the start of
// the resource section, is a directory of its items, a language directory per item, the
// data entries, (named groups) the names, then the data.
class ResBlock {
public:
    explicit ResBlock(const Locale& locale) : locale_(&locale) {}
    virtual ~ResBlock() = default;
    ResBlock(const ResBlock&) = delete;
    ResBlock& operator=(const ResBlock&) = delete;

    virtual int EntryCount() const = 0;
    // Directory and data.
    virtual std::uint32_t TotalSize() const = 0;
    std::uint32_t DirectorySize() const;
    virtual std::uint16_t Type() const = 0;
    virtual void WriteTree(MemoryStream& out, std::uint32_t offset, const StampClock& clock) const = 0;
    // From the executable's directory of this type (its names). `budget` is what may still
    // be taken: data entries that share bytes could otherwise multiply a small file.
    virtual void Load(const PEResourceList& names, std::uint64_t& budget) = 0;
    virtual void Clear() = 0;

protected:
    struct Entry {
        std::uint32_t nameField;  // number, or the offset of a name with the top bit set
        std::uint32_t dataSize;
    };
    // The directories and data entries; the caller writes names and data after them.
    void WriteDirectories(
        MemoryStream& out, std::uint32_t offset, bool named, const std::vector<Entry>& entries,
        std::uint32_t firstDataOffset, const StampClock& clock
    ) const;
    const Locale& GetLocale() const { return *locale_; }
    // The data of a name's first language, charged to the budget; nothing when it has none.
    static std::optional<std::span<const std::uint8_t>> TakeData(const PEResourceItem& name, std::uint64_t& budget);

private:
    const Locale* locale_;  // not owned
};

// TResString: string tables; items by ID, written as blocks of 16.
class ResString : public ResBlock {
public:
    using ResBlock::ResBlock;
    int EntryCount() const override { return static_cast<int>(Blocks().size()); }
    std::uint32_t TotalSize() const override;
    std::uint16_t Type() const override;
    void WriteTree(MemoryStream& out, std::uint32_t offset, const StampClock& clock) const override;
    void Load(const PEResourceList& names, std::uint64_t& budget) override;
    void Clear() override { strings_.clear(); }

    const std::map<std::uint16_t, std::u16string>& Items() const { return strings_; }
    const std::u16string* Find(std::uint16_t id) const;
    // Adds the item when absent.
    void Set(std::uint16_t id, std::u16string text);

    // Block number (ID / 16 + 1) to its 16 slots, an absent ID as nothing.
    using Block = std::array<const std::u16string*, 16>;
    std::map<std::uint16_t, Block> Blocks() const;

private:
    static std::uint32_t BlockDataSize(const Block& block);
    std::map<std::uint16_t, std::u16string> strings_;
};

// TResRCData: named binary resources (form descriptions, the settings records).
struct ResRCDataItem {
    std::string name;
    std::vector<std::uint8_t> data;
};

class ResRCData : public ResBlock {
public:
    using ResBlock::ResBlock;
    int EntryCount() const override { return static_cast<int>(items_.size()); }
    std::uint32_t TotalSize() const override;
    std::uint16_t Type() const override;
    void WriteTree(MemoryStream& out, std::uint32_t offset, const StampClock& clock) const override;
    void Load(const PEResourceList& names, std::uint64_t& budget) override;
    void Clear() override { items_.clear(); }

    const std::vector<ResRCDataItem>& Items() const { return items_; }
    // By name, compared in upper case.
    ResRCDataItem* Find(std::string_view name);
    // Loaded items keep the module's order; an added one goes where the loader's binary
    // search of named entries (upper case, by UTF-16 unit) will look for it.
    ResRCDataItem& Add(std::string name, std::vector<std::uint8_t> data);
    bool Remove(std::string_view name);

private:
    std::u16string WideName(const std::string& name) const;
    std::vector<ResRCDataItem> items_;
};

class ResProcessor {
public:
    explicit ResProcessor(const Locale& locale) : locale_(&locale) {}

    // Discards every group, then keeps the "String" and "RCData" types of the executable.
    void Load(const std::wstring& fileName);
    void Load(const PEReader& reader);
    // The language module, written whole to a temporary file and then put in place, so a
    // failed write never leaves a damaged module under the name.
    void Save(const std::wstring& fileName, const StampClock& clock = LocalTimeStamp) const;
    std::vector<std::uint8_t> ModuleImage(const StampClock& clock = LocalTimeStamp) const;

    ResBlock* Group(std::uint16_t type) const;
    ResString* Strings() const;
    ResRCData* RCData() const;
    // The group of this type, created when missing (groups stay in type order).
    ResString& AddStrings();
    ResRCData& AddRCData();

    const std::vector<std::unique_ptr<ResBlock>>& Groups() const { return groups_; }

private:
    ResBlock& AddGroup(std::unique_ptr<ResBlock> group);
    const Locale* locale_;  // not owned
    std::vector<std::unique_ptr<ResBlock>> groups_;
};

}  // namespace localizer
