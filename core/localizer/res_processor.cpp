#include "core/localizer/res_processor.h"

#include <algorithm>

#include "core/localizer/pe_format.h"
#include "core/localizer/read_failure.h"

namespace localizer {

namespace {

// The per-item part of a group's directory: its entry, its language directory with one
// entry, its data entry.
constexpr std::uint32_t kItemDirectorySize = pe::kEntrySize + pe::kDirectorySize + pe::kEntrySize + pe::kDataEntrySize;
constexpr std::uint32_t kSectionAddress = 0x2000;
constexpr std::uint16_t kLastBlock = 4096;  // holds ID 65535

char16_t UpperUnit(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

void WriteDirectoryHeader(MemoryStream& out, std::uint32_t stamp, std::uint16_t named, std::uint16_t numbered) {
    out.WriteU32(0);  // Characteristics
    out.WriteU32(stamp);
    out.WriteU32(0);  // version 0.0
    out.WriteU16(named);
    out.WriteU16(numbered);
}

}  // namespace

std::optional<std::span<const std::uint8_t>> ResBlock::TakeData(const PEResourceItem& name, std::uint64_t& budget) {
    const PEResourceList languages = name.List();
    if (languages.Count() == 0) return std::nullopt;
    const auto data = languages[0].Data();
    if (data.size() > budget) throw ExeError(msg::kNotPeFile);
    budget -= data.size();
    return data;
}

std::uint32_t ResBlock::DirectorySize() const { return pe::kDirectorySize + kItemDirectorySize * EntryCount(); }

void ResBlock::WriteDirectories(
    MemoryStream& out, std::uint32_t offset, bool named, const std::vector<Entry>& entries,
    std::uint32_t firstDataOffset, const StampClock& clock
) const {
    const auto n = static_cast<std::uint32_t>(entries.size());
    WriteDirectoryHeader(out, clock(), named ? std::uint16_t(n) : 0, named ? 0 : std::uint16_t(n));
    const std::uint32_t languages = offset + pe::kDirectorySize + pe::kEntrySize * n;
    const std::uint32_t dataEntries = languages + (pe::kDirectorySize + pe::kEntrySize) * n;
    for (std::uint32_t i = 0; i < n; ++i) {
        out.WriteU32(entries[i].nameField);
        out.WriteU32(pe::kSubtreeBit | (languages + (pe::kDirectorySize + pe::kEntrySize) * i));
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        WriteDirectoryHeader(out, clock(), 0, 1);
        out.WriteU32(0);  // language neutral
        out.WriteU32(dataEntries + pe::kDataEntrySize * i);
    }
    std::uint32_t data = firstDataOffset;
    for (const Entry& entry : entries) {
        out.WriteU32(kSectionAddress + data);
        out.WriteU32(entry.dataSize);
        out.WriteU32(0);  // code page
        out.WriteU32(0);
        data += entry.dataSize;
    }
}

// String tables.

std::uint16_t ResString::Type() const { return pe::kStringType; }

const std::u16string* ResString::Find(std::uint16_t id) const {
    auto it = strings_.find(id);
    return it == strings_.end() ? nullptr : &it->second;
}

void ResString::Set(std::uint16_t id, std::u16string text) {
    if (text.size() > 0xFFFF) text.resize(0xFFFF);  // a slot's length is 16 bits
    strings_[id] = std::move(text);
}

std::map<std::uint16_t, ResString::Block> ResString::Blocks() const {
    std::map<std::uint16_t, Block> blocks;
    for (const auto& [id, text] : strings_) {
        auto [it, added] = blocks.try_emplace(static_cast<std::uint16_t>(id / pe::kStringsPerBlock + 1));
        if (added) it->second.fill(nullptr);
        it->second[id % pe::kStringsPerBlock] = &text;
    }
    return blocks;
}

std::uint32_t ResString::BlockDataSize(const Block& block) {
    std::uint32_t size = 0;
    for (const std::u16string* text : block) size += 2 + (text ? 2 * static_cast<std::uint32_t>(text->size()) : 0);
    return size;
}

std::uint32_t ResString::TotalSize() const {
    std::uint32_t size = DirectorySize();
    for (const auto& [number, block] : Blocks()) size += BlockDataSize(block);
    return size;
}

void ResString::WriteTree(MemoryStream& out, std::uint32_t offset, const StampClock& clock) const {
    const auto blocks = Blocks();
    std::vector<Entry> entries;
    for (const auto& [number, block] : blocks) entries.push_back({number, BlockDataSize(block)});
    WriteDirectories(out, offset, false, entries, offset + DirectorySize(), clock);
    for (const auto& [number, block] : blocks)
        for (const std::u16string* text : block) out.WriteWStr(text ? *text : std::u16string());
}

void ResString::Load(const PEResourceList& names, std::uint64_t& budget) {
    const std::uint32_t systemCodePage = GetLocale().SystemCodePage();
    for (const PEResourceItem& name : names.Items()) {
        if (name.Named() || name.Id() == 0 || name.Id() > kLastBlock) continue;
        MemoryStream data(TakeData(name, budget).value_or(std::span<const std::uint8_t>()));
        for (int slot = 0; slot < pe::kStringsPerBlock; ++slot) {
            std::u16string text;
            try {
                text = data.ReadWStr();
            } catch (const StreamReadError&) {
                throw ExeError(msg::kNotPeFile);
            }
            if (text.empty()) continue;
            // Through the system code page, as the program's strings are shown.
            std::u16string shown = GetLocale().ToWide(GetLocale().ToNarrow(text, systemCodePage), systemCodePage);
            Set(static_cast<std::uint16_t>((name.Id() - 1) * pe::kStringsPerBlock + slot),
                shown.empty() ? std::move(text) : std::move(shown));
        }
    }
}

// RCDATA.

std::uint16_t ResRCData::Type() const { return pe::kRcDataType; }

std::u16string ResRCData::WideName(const std::string& name) const {
    return GetLocale().ToWide(name, GetLocale().SystemCodePage());
}

std::uint32_t ResRCData::TotalSize() const {
    std::uint32_t size = DirectorySize();
    for (const ResRCDataItem& item : items_)
        size += 2 + 2 * static_cast<std::uint32_t>(WideName(item.name).size()) +
                static_cast<std::uint32_t>(item.data.size());
    return size;
}

void ResRCData::WriteTree(MemoryStream& out, std::uint32_t offset, const StampClock& clock) const {
    std::vector<std::u16string> names;
    for (const ResRCDataItem& item : items_) names.push_back(WideName(item.name));
    std::vector<Entry> entries;
    std::uint32_t nameOffset = offset + DirectorySize();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        entries.push_back({pe::kSubtreeBit | nameOffset, static_cast<std::uint32_t>(items_[i].data.size())});
        nameOffset += 2 + 2 * static_cast<std::uint32_t>(names[i].size());
    }
    WriteDirectories(out, offset, true, entries, nameOffset, clock);
    for (const std::u16string& name : names) out.WriteWStr(name);
    for (const ResRCDataItem& item : items_) out.Write(item.data.data(), item.data.size());
}

void ResRCData::Load(const PEResourceList& names, std::uint64_t& budget) {
    for (const PEResourceItem& name : names.Items())
        if (const auto data = TakeData(name, budget))
            items_.push_back({name.Name(GetLocale()), std::vector<std::uint8_t>(data->begin(), data->end())});
}

ResRCDataItem* ResRCData::Find(std::string_view name) {
    for (ResRCDataItem& item : items_)
        if (SameTextAscii(item.name, name)) return &item;
    return nullptr;
}

ResRCDataItem& ResRCData::Add(std::string name, std::vector<std::uint8_t> data) {
    auto upper = [this](const std::string& text) {
        std::u16string wide = WideName(text);
        std::transform(wide.begin(), wide.end(), wide.begin(), UpperUnit);
        return wide;
    };
    const std::u16string key = upper(name);
    auto at =
        std::find_if(items_.begin(), items_.end(), [&](const ResRCDataItem& item) { return key < upper(item.name); });
    return *items_.insert(at, {std::move(name), std::move(data)});
}

bool ResRCData::Remove(std::string_view name) {
    auto it = std::find_if(items_.begin(), items_.end(), [&](const ResRCDataItem& item) {
        return SameTextAscii(item.name, name);
    });
    if (it == items_.end()) return false;
    items_.erase(it);
    return true;
}

// The processor.

void ResProcessor::Load(const std::wstring& fileName) {
    const PEReader reader = PEReader::FromFile(fileName);
    Load(reader);
}

void ResProcessor::Load(const PEReader& reader) {
    groups_.clear();
    ReadAsOwn<ExeError>(msg::kModuleTooLarge, [&] {
        std::uint64_t budget = reader.Image().size();
        const PEResourceList types = reader.Resources();
        for (const PEResourceItem& type : types.Items()) {
            const std::string name = type.Name(*locale_);
            if (name == "String")
                AddStrings().Load(type.List(), budget);
            else if (name == "RCData")
                AddRCData().Load(type.List(), budget);
        }
    });
}

ResBlock* ResProcessor::Group(std::uint16_t type) const {
    for (const auto& group : groups_)
        if (group->Type() == type) return group.get();
    return nullptr;
}

ResString* ResProcessor::Strings() const { return static_cast<ResString*>(Group(pe::kStringType)); }

ResRCData* ResProcessor::RCData() const { return static_cast<ResRCData*>(Group(pe::kRcDataType)); }

ResString& ResProcessor::AddStrings() {
    if (ResString* strings = Strings()) return *strings;
    return static_cast<ResString&>(AddGroup(std::make_unique<ResString>(*locale_)));
}

ResRCData& ResProcessor::AddRCData() {
    if (ResRCData* rcData = RCData()) return *rcData;
    return static_cast<ResRCData&>(AddGroup(std::make_unique<ResRCData>(*locale_)));
}

// The root's numbered entries must ascend for the loader's binary search.
ResBlock& ResProcessor::AddGroup(std::unique_ptr<ResBlock> group) {
    auto at = std::find_if(groups_.begin(), groups_.end(), [&](const auto& g) { return g->Type() > group->Type(); });
    return **groups_.insert(at, std::move(group));
}

}  // namespace localizer
