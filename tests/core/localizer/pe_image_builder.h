#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Builds small Windows executables byte by byte, independent of the module writer under
// test: a resource tree from a node description, put in the ".rsrc" section of a 32-bit
// or 64-bit image behind a dummy ".text" section.
namespace pe_test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
    if (b.size() < at + 2) b.resize(at + 2);
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
inline void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, std::uint16_t(v));
    Put16(b, at + 2, std::uint16_t(v >> 16));
}
inline std::uint16_t Get16(const Bytes& b, std::size_t at) { return std::uint16_t(b.at(at) | b.at(at + 1) << 8); }
inline std::uint32_t Get32(const Bytes& b, std::size_t at) {
    return Get16(b, at) | std::uint32_t(Get16(b, at + 2)) << 16;
}

// A directory entry: named or numbered; a directory below it, or data.
struct Node {
    std::u16string name;  // empty: numbered by id
    std::uint16_t id = 0;
    std::vector<Node> children;
    Bytes data;
    bool leaf = false;

    static Node Dir(std::uint16_t id, std::vector<Node> children) { return {u"", id, std::move(children), {}, false}; }
    static Node Named(std::u16string name, std::vector<Node> children) {
        return {std::move(name), 0, std::move(children), {}, false};
    }
    static Node Data(Bytes data) { return {u"", 0, {}, std::move(data), true}; }
    // A type, a name and a language-neutral data entry.
    static Node Leaf(std::uint16_t id, Bytes data) { return Dir(id, {Dir(0, {Data(std::move(data))})}); }
    static Node NamedLeaf(std::u16string name, Bytes data) {
        return Named(std::move(name), {Dir(0, {Data(std::move(data))})});
    }
};

// The tree laid out depth first: each directory, then for each child its name, then its
// subtree or its data entry and data. Named entries come first, as the format wants.
class TreeWriter {
public:
    explicit TreeWriter(std::uint32_t sectionAddress) : address_(sectionAddress) {}
    Bytes Write(const Node& root) {
        WriteDirectory(root);
        return std::move(out_);
    }

private:
    std::uint32_t WriteDirectory(const Node& dir) {
        const std::size_t at = out_.size();
        std::uint16_t named = 0, numbered = 0;
        for (const Node& c : dir.children) (c.name.empty() ? numbered : named)++;
        out_.resize(at + 16 + 8 * dir.children.size());
        Put16(out_, at + 12, named);
        Put16(out_, at + 14, numbered);
        std::size_t entry = at + 16;
        for (bool namedPass : {true, false})
            for (const Node& c : dir.children) {
                if (c.name.empty() == namedPass) continue;
                std::uint32_t nameField = c.id;
                if (!c.name.empty()) {
                    nameField = 0x80000000u | std::uint32_t(out_.size());
                    const std::size_t n = out_.size();
                    Put16(out_, n, std::uint16_t(c.name.size()));
                    for (std::size_t i = 0; i < c.name.size(); ++i) Put16(out_, n + 2 + 2 * i, c.name[i]);
                    Align();
                }
                Put32(out_, entry, nameField);
                std::uint32_t target;
                if (c.children.size() == 1 && c.children[0].leaf) {
                    target = WriteData(c.children[0].data);
                } else {
                    target = 0x80000000u | WriteDirectory(c);
                }
                Put32(out_, entry + 4, target);
                entry += 8;
            }
        return std::uint32_t(at);
    }
    std::uint32_t WriteData(const Bytes& data) {
        const std::size_t at = out_.size();
        out_.resize(at + 16);
        Put32(out_, at, address_ + std::uint32_t(at + 16));
        Put32(out_, at + 4, std::uint32_t(data.size()));
        out_.insert(out_.end(), data.begin(), data.end());
        Align();
        return std::uint32_t(at);
    }
    void Align() { out_.resize((out_.size() + 3) / 4 * 4); }
    std::uint32_t address_;
    Bytes out_;
};

struct ImageLayout {
    bool is64Bit = true;
    std::uint32_t headerOffset = 0x80;
    std::uint32_t sectionAddress = 0x3000;
    std::uint32_t sectionFileOffset = 0x400;
};

// An image whose ".rsrc" section holds `resources` (laid out for layout.sectionAddress).
inline Bytes Image(const Bytes& resources, const ImageLayout& layout = {}) {
    Bytes b(layout.sectionFileOffset);
    Put16(b, 0, 0x5A4D);
    Put32(b, 0x3C, layout.headerOffset);
    const std::size_t pe = layout.headerOffset;
    Put32(b, pe, 0x00004550);
    Put16(b, pe + 4, layout.is64Bit ? 0x8664 : 0x014C);
    Put16(b, pe + 6, 2);  // .text, .rsrc
    const std::uint16_t optionalSize = layout.is64Bit ? 240 : 224;
    Put16(b, pe + 20, optionalSize);
    Put16(b, pe + 24, layout.is64Bit ? 0x020B : 0x010B);
    const std::size_t sections = pe + 24 + optionalSize;
    std::memcpy(&b[sections], ".text\0\0\0", 8);
    std::memcpy(&b[sections + 40], ".rsrc\0\0\0", 8);
    Put32(b, sections + 40 + 8, std::uint32_t(resources.size()));
    Put32(b, sections + 40 + 12, layout.sectionAddress);
    Put32(b, sections + 40 + 16, std::uint32_t(resources.size()));
    Put32(b, sections + 40 + 20, layout.sectionFileOffset);
    b.insert(b.end(), resources.begin(), resources.end());
    return b;
}

inline Bytes Image(const Node& root, const ImageLayout& layout = {}) {
    return Image(TreeWriter(layout.sectionAddress).Write(root), layout);
}

inline Bytes Ascii(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A string-table block: 16 slots of u16 length and UTF-16 text.
inline Bytes StringBlock(const std::vector<std::pair<int, std::u16string>>& slots) {
    Bytes b;
    for (int slot = 0; slot < 16; ++slot) {
        std::u16string text;
        for (const auto& [s, t] : slots)
            if (s == slot) text = t;
        const std::size_t at = b.size();
        Put16(b, at, std::uint16_t(text.size()));
        for (std::size_t i = 0; i < text.size(); ++i) Put16(b, at + 2 + 2 * i, text[i]);
    }
    return b;
}

// A hostile resource tree that describes far more than it holds: `entries` named RCDATA
// entries that all share one name of `nameLength` characters and one language directory
// with 4 bytes of data. 20,000 entries and a 65,535-character name make some 292 KB that
// a reader copying every name would turn into 2.6 GB.
inline Bytes SharedNameBomb(std::size_t entries, std::uint16_t nameLength, const ImageLayout& layout = {}) {
    Bytes tree(16 + 8);
    Put16(tree, 14, 1);
    Put32(tree, 16, 10);
    Put32(tree, 20, 0x80000000u | 24);
    const std::size_t names = 24, languages = names + 16 + 8 * entries;
    const std::size_t dataEntry = languages + 24, data = dataEntry + 16, name = data + 4;
    Put16(tree, names + 12, std::uint16_t(entries));
    for (std::size_t i = 0; i < entries; ++i) {
        Put32(tree, names + 16 + 8 * i, 0x80000000u | std::uint32_t(name));
        Put32(tree, names + 20 + 8 * i, 0x80000000u | std::uint32_t(languages));
    }
    Put16(tree, languages + 14, 1);
    Put32(tree, languages + 20, std::uint32_t(dataEntry));
    Put32(tree, dataEntry, layout.sectionAddress + std::uint32_t(data));
    Put32(tree, dataEntry + 4, 4);
    Put32(tree, data, 0x30465054);  // "TPF0"
    Put16(tree, name, nameLength);
    for (std::size_t i = 0; i < nameLength; ++i) Put16(tree, name + 2 + 2 * i, u'A' + i % 26);
    return Image(tree, layout);
}

// Another: `types` RCDATA type entries that all lead to one directory of `types` names,
// each with an empty language directory. Listing every type's names would take
// types x types entries from a file of some 16 x types bytes.
inline Bytes SharedDirectoryBomb(std::size_t types) {
    Bytes tree(16 + 8 * types);
    Put16(tree, 14, std::uint16_t(types));
    const std::size_t names = tree.size(), languages = names + 16 + 8 * types;
    for (std::size_t i = 0; i < types; ++i) {
        Put32(tree, 16 + 8 * i, 10);
        Put32(tree, 20 + 8 * i, 0x80000000u | std::uint32_t(names));
    }
    Put16(tree, names + 14, std::uint16_t(types));
    for (std::size_t i = 0; i < types; ++i) {
        Put32(tree, names + 16 + 8 * i, std::uint32_t(i + 1));
        Put32(tree, names + 20 + 8 * i, 0x80000000u | std::uint32_t(languages));
    }
    Put16(tree, languages + 14, 0);
    return Image(tree);
}

}  // namespace pe_test
