#include "core/localizer/lang_file.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "core/files/file_access.h"
#include "core/localizer/basic_locale.h"
#include "core/localizer/read_failure.h"

namespace localizer {

namespace {

[[noreturn]] void CannotOpen(const std::wstring& fileName) {
    throw FileError("Cannot open file \"" + PathText(fileName) + "\"");
}

// The largest header: fixed fields plus the longest Name and NativeName.
constexpr std::size_t kMaxHeaderSize = 2 + 2 + 4 + 4 + 2 + 2 + (2 + 0xFFFF) + (2 + 2 * 0xFFFF) + 2 + 2 + 4 + 4;

double DoubleOfBits(std::uint64_t bits) {
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::uint64_t BitsOfDouble(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

std::u16string AsciiToWide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// A property record's value by kind; `present` is false for files of Version 3 or lower
// and kinds other than 2 and 4.
std::u16string ReadValue(MemoryStream& s, std::uint8_t kind, bool present) {
    if (!present) return {};
    switch (kind) {
        case kKindFloat:
            return AsciiToWide(FloatToText(DoubleOfBits(s.ReadU64())));
        case kKindInteger:
            return AsciiToWide(std::to_string(static_cast<std::int32_t>(s.ReadU32())));
        case kKindText:
        case kKindLines:
            return s.ReadWStr();
        default:
            return {};
    }
}

bool ValuePresent(std::uint16_t version, std::uint8_t kind) {
    return version > 3 || kind == kKindText || kind == kKindLines;
}

// Smallest possible records, for refusing counts that the rest of the stream cannot hold.
std::uint64_t FlagsSize(std::uint16_t version) { return version > 1 ? 2 : 0; }
std::uint64_t MinUnit(std::uint16_t v) { return 2 + FlagsSize(v) + 2; }
std::uint64_t MinConstant(std::uint16_t v) { return 2 + FlagsSize(v) + 2 + 4 + 2 + 4 + 8; }
std::uint64_t MinForm(std::uint16_t v) { return 2 + FlagsSize(v) + 2 + 2; }
std::uint64_t MinComponent(std::uint16_t v) { return 2 + FlagsSize(v) + 2; }
std::uint64_t MinProperty(std::uint16_t v) { return 2 + FlagsSize(v) + 4 + 4 + 4 + 8; }

}  // namespace

std::string PathText(const std::wstring& fileName) {
    std::u16string text;
    for (const wchar_t c : fileName) {
        const auto code = static_cast<std::uint32_t>(c);
        if (code > 0xFFFF && code <= 0x10FFFF) {  // 32-bit wide characters: a surrogate pair
            text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            text += code > 0xFFFF ? u'\uFFFD' : static_cast<char16_t>(code);
        }
    }
    return Utf16ToUtf8(text);
}

std::vector<std::uint8_t> ReadWholeFile(const std::wstring& fileName) {
    std::optional<std::vector<std::uint8_t>> bytes = files::Read(fileName);
    if (!bytes) CannotOpen(fileName);
    return std::move(*bytes);
}

void WriteWholeFile(const std::wstring& fileName, std::span<const std::uint8_t> bytes) {
    if (!files::Write(fileName, bytes)) throw FileError("Cannot create file \"" + PathText(fileName) + "\"");
}

LangFile::Header LangFile::ParseHeader(MemoryStream& s) {
    Header h;
    if (s.ReadU16() != kLangFileMagic) throw LFProcError(msg::kInvalidFileFormat);
    h.version = s.ReadU16();
    if (h.version == 0 || h.version > kLangFileVersion) throw LFProcError(msg::kInvalidFileFormat);
    h.buildStamp = s.ReadU32();
    if (h.version > 4) h.langStamp = s.ReadU32();
    h.langId = s.ReadU16();
    if (h.version > 2) h.word50 = s.ReadU16();
    h.name = s.ReadStr8();
    h.nativeName = s.ReadWStr();
    h.flag = s.ReadU16() != 0;
    if (h.version > 1) h.word48 = s.ReadU16();
    h.lastConstId = s.ReadU32();
    h.lastPropId = s.ReadU32();
    return h;
}

void LangFile::Store(const Header& h) {
    Version = h.version;
    BuildStamp = h.buildStamp;
    LangStamp = h.langStamp;
    LangID = h.langId;
    HeaderWord50 = h.word50;
    Name = h.name;
    NativeName = h.nativeName;
    HeaderFlag = h.flag;
    HeaderWord48 = h.word48;
    LastConstID = h.lastConstId;
    LastPropID = h.lastPropId;
}

void LangFile::ReadHeader(MemoryStream& stream, bool discard) {
    Header h = ParseHeader(stream);
    if (!discard) Store(h);
}

void LangFile::Open(const std::wstring& fileName) {
    FileName = fileName;
    std::optional<std::vector<std::uint8_t>> head = files::Read(fileName, 1024);
    if (!head) return;  // a missing file leaves the defaults
    ReadOnly = !files::Writable(fileName);
    if (HasLzkSignature(*head)) {
        Compressed = true;
        MemoryStream decoded(LzkDecompressPrefix(*head));
        ReadHeader(decoded, false);
    } else {
        Compressed = false;
        if (head->size() == 1024) {
            head = files::Read(fileName, kMaxHeaderSize);
            if (!head) CannotOpen(fileName);
        }
        MemoryStream plain(std::move(*head));
        ReadHeader(plain, false);
    }
}

int LangFile::PrepareTarget(LangResource* dictionary, int index) {
    if (!dictionary) throw LFProcError(msg::kInvalidLangResources);
    if (index >= 0) {
        if (index >= dictionary->LanguageCount()) throw LFProcError(msg::kInvalidIndex);
        return index;
    }
    dictionary->Forms().Clear();
    dictionary->Units().Clear();
    return 0;
}

void LangFile::LoadInto(MemoryStream& stream, LangResource* dictionary, unsigned options, int index) {
    PrepareTarget(dictionary, index);
    ReadAsOwn<LFProcError>(msg::kLanguageFileTooLarge, [&] { MergeBody(stream, *dictionary, options, index, false); });
}

void LangFile::LoadFileInto(LangResource* dictionary, int index, unsigned options) {
    PrepareTarget(dictionary, index);
    ReadAsOwn<LFProcError>(msg::kLanguageFileTooLarge, [&] {
        MemoryStream stream(ReadWholeFile(FileName));
        MergeBody(stream, *dictionary, options, index, true);
    });
}

void LangFile::MergeBody(MemoryStream& input, LangResource& dict, unsigned options, int index, bool discardHeader) {
    const bool byNames = (options & kMatchByNames) != 0;
    const bool renumber = (options & kRenumberIds) != 0;
    const bool structure = index < 0;

    // 1. Linear lists sorted by ID.
    LinearConstantList constants = dict.BuildConstantList(true);
    LinearPropertyList properties = dict.BuildPropertyList(true);

    // 2. Whole decompression when LZK00; the header from position 0.
    MemoryStream decoded;
    MemoryStream* s = &input;
    if (HasLzkSignature(input.Bytes())) {
        decoded = MemoryStream(LzkDecompress(input.Bytes(), OnProgress));
        s = &decoded;
        Compressed = true;
    } else if (!discardHeader) {
        Compressed = false;
    }
    s->Seek(0);
    const Header header = ParseHeader(*s);
    if (!discardHeader) Store(header);
    const std::uint16_t version = header.version;
    const std::uint16_t fileLangId = header.langId;

    std::uint32_t highestConst = 0, highestProp = 0;
    std::unordered_set<std::uint32_t> constIds, propIds;  // IDs taken so far (structure load)
    if (structure && renumber) {
        for (auto* c : constants.Items) constIds.insert(c->ID);
        for (auto* p : properties.Items) propIds.insert(p->ID);
    }

    auto fill = [&](LResValue* target, std::u16string text, std::uint32_t revision,
                    const std::array<std::uint32_t, 2>& extra, std::uint16_t flags) {
        target->Extra = extra;
        target->Revision = revision;
        target->Flags = flags;
        target->Assign(std::move(text), fileLangId);
    };

    // 3. Units.
    std::uint16_t unitCount = s->ReadU16();
    s->Require(unitCount, MinUnit(version));
    for (std::uint16_t u = 0; u < unitCount; ++u) {
        std::string unitName = s->ReadStr8();
        std::uint16_t unitFlags = version > 1 ? s->ReadU16() : 0;
        LResUnitItem* unit = structure ? dict.Units().FindOrAdd(unitName) : nullptr;
        if (structure) unit->Flags = unitFlags;
        std::uint16_t count = s->ReadU16();
        s->Require(count, MinConstant(version));
        for (std::uint16_t k = 0; k < count; ++k) {
            std::string name = s->ReadStr8();
            std::uint16_t flags = version > 1 ? s->ReadU16() : 0;
            std::uint16_t resId = s->ReadU16();
            std::uint32_t id = s->ReadU32();
            std::u16string text = s->ReadWStr();
            std::uint32_t revision = s->ReadU32();
            std::array<std::uint32_t, 2> extra{s->ReadU32(), s->ReadU32()};
            highestConst = std::max(highestConst, id);
            LResValue* target = nullptr;
            if (!structure) {
                LResConstantItem* item = nullptr;
                if (byNames) {
                    if (LResUnitItem* owner = dict.Units().Find(unitName)) item = owner->Constants().Find(name);
                } else {
                    item = constants.FindById(id);
                }
                if (item) target = item->Value(index);
            } else {
                std::uint32_t newId = id;
                if (renumber && constIds.count(id)) newId = 0;
                LResConstantItem* item = unit->FindOrAddConstant(name, newId, resId);
                if (renumber) constIds.insert(newId);
                target = item->Value(0);
            }
            if (target) fill(target, std::move(text), revision, extra, flags);
        }
    }

    // 4. Numbering of new constants, above every ID the file uses: a header that understates
    // LastConstID must not give a new constant the ID of a loaded one.
    if (structure) {
        LastConstID = std::max(LastConstID, highestConst);
        constants = dict.BuildConstantList(true);
        for (auto* c : constants.Items)
            if (c->ID == 0) c->ID = ++LastConstID;
    }

    // 5. Forms.
    std::uint16_t formCount = s->ReadU16();
    s->Require(formCount, MinForm(version));
    for (std::uint16_t f = 0; f < formCount; ++f) {
        std::string formName = s->ReadStr8();
        std::uint16_t formFlags = version > 1 ? s->ReadU16() : 0;
        LResFormItem* form = structure ? dict.Forms().FindOrAdd(formName) : nullptr;
        if (structure) form->Flags = formFlags;

        auto readProperties = [&](const std::string& component) {
            std::uint16_t count = s->ReadU16();
            s->Require(count, MinProperty(version));
            for (std::uint16_t k = 0; k < count; ++k) {
                std::string name = s->ReadStr8();
                std::uint16_t flags = version > 1 ? s->ReadU16() : 0;
                std::uint32_t id = s->ReadU32();
                std::uint8_t kind = static_cast<std::uint8_t>(s->ReadU32() & 0xFF);
                std::u16string text = ReadValue(*s, kind, ValuePresent(version, kind));
                std::uint32_t revision = s->ReadU32();
                std::array<std::uint32_t, 2> extra{s->ReadU32(), s->ReadU32()};
                highestProp = std::max(highestProp, id);
                LResValue* target = nullptr;
                if (!structure) {
                    LResPropertyItem* item = nullptr;
                    if (byNames) {
                        if (LResFormItem* owner = dict.Forms().Find(formName))
                            item = owner->FindProperty(component, name);
                    } else {
                        item = properties.FindById(id);
                    }
                    if (item && !component.empty() && item->Kind() != kind) item = nullptr;
                    if (item) target = item->Value(index);
                    // A record that matches nothing has been read into `text` and is dropped.
                } else {
                    std::uint32_t newId = id;
                    if (renumber && propIds.count(id)) newId = 0;
                    LResPropertyItem* item = form->FindOrAddProperty(newId, component, name, kind);
                    if (renumber) propIds.insert(newId);
                    target = item->Value(0);
                }
                if (target) fill(target, std::move(text), revision, extra, flags);
            }
        };

        readProperties(std::string());
        std::uint16_t componentCount = s->ReadU16();
        s->Require(componentCount, MinComponent(version));
        for (std::uint16_t c = 0; c < componentCount; ++c) {
            std::string componentName = s->ReadStr8();
            if (version > 1) s->ReadU16();  // ComponentFlags: read and not used
            readProperties(componentName);
        }
    }

    // 6. Numbering of new properties, in the same way.
    if (structure) {
        LastPropID = std::max(LastPropID, highestProp);
        properties = dict.BuildPropertyList(true);
        for (auto* p : properties.Items)
            if (p->ID == 0) p->ID = ++LastPropID;
    }

    // 7. The highest IDs seen.
    LastConstID = std::max(LastConstID, highestConst);
    LastPropID = std::max(LastPropID, highestProp);
}

void LangFile::WriteHeader(MemoryStream& s) const {
    s.WriteU16(kLangFileMagic);
    s.WriteU16(Version);
    s.WriteU32(BuildStamp);
    if (Version > 4) s.WriteU32(LangStamp);
    s.WriteU16(LangID);
    if (Version > 2) s.WriteU16(HeaderWord50);
    s.WriteStr8(Name);
    s.WriteWStr(NativeName);
    s.WriteU16(HeaderFlag ? 1 : 0);
    if (Version > 1) s.WriteU16(HeaderWord48);
    s.WriteU32(LastConstID);
    s.WriteU32(LastPropID);
}

std::vector<std::uint8_t> LangFile::Write(const LangResource& dict, int index) const {
    MemoryStream s;
    WriteHeader(s);
    auto writeValueFields = [&](const LResValue* v) {
        s.WriteU32(v ? v->Revision : 0);
        s.WriteU32(v ? v->Extra[0] : 0);
        s.WriteU32(v ? v->Extra[1] : 0);
    };
    auto count16 = [](int n) { return static_cast<std::uint16_t>(std::min(n, 0xFFFF)); };

    s.WriteU16(count16(dict.Units().Count()));
    for (int u = 0; u < count16(dict.Units().Count()); ++u) {
        const LResUnitItem* unit = dict.Units()[u];
        s.WriteStr8(unit->Name());
        if (Version > 1) s.WriteU16(unit->Flags);
        const auto& list = unit->Constants();
        s.WriteU16(count16(list.Count()));
        for (int k = 0; k < count16(list.Count()); ++k) {
            const LResConstantItem* c = list[k];
            const LResValue* v = c->Value(index);
            s.WriteStr8(c->Name());
            if (Version > 1) s.WriteU16(v ? v->Flags : 0);
            s.WriteU16(c->ResID);
            s.WriteU32(c->ID);
            s.WriteWStr(v ? std::u16string_view(v->Text()) : std::u16string_view());
            writeValueFields(v);
        }
    }

    auto writeProperties = [&](const LResPropertyList& list) {
        s.WriteU16(count16(list.Count()));
        for (int k = 0; k < count16(list.Count()); ++k) {
            const LResPropertyItem* p = list[k];
            const LResValue* v = p->Value(index);
            const std::u16string text = v ? v->Text() : std::u16string();
            s.WriteStr8(p->Name());
            if (Version > 1) s.WriteU16(v ? v->Flags : 0);
            s.WriteU32(p->ID);
            s.WriteU32(p->Kind());
            if (ValuePresent(Version, p->Kind())) {
                switch (p->Kind()) {
                    case kKindFloat: {
                        double d = 0;
                        TextToFloat(text, d);
                        s.WriteU64(BitsOfDouble(d));
                        break;
                    }
                    case kKindInteger: {
                        std::int64_t i = 0;
                        TextToInteger(text, i);
                        s.WriteU32(static_cast<std::uint32_t>(static_cast<std::int32_t>(i)));
                        break;
                    }
                    case kKindText:
                    case kKindLines:
                        s.WriteWStr(text);
                        break;
                    default:
                        break;
                }
            }
            writeValueFields(v);
        }
    };

    s.WriteU16(count16(dict.Forms().Count()));
    for (int f = 0; f < count16(dict.Forms().Count()); ++f) {
        const LResFormItem* form = dict.Forms()[f];
        s.WriteStr8(form->Name());
        if (Version > 1) s.WriteU16(form->Flags);
        writeProperties(form->Properties());
        const auto& components = form->Components();
        s.WriteU16(count16(components.Count()));
        for (int c = 0; c < count16(components.Count()); ++c) {
            s.WriteStr8(components[c]->Name());
            if (Version > 1) s.WriteU16(components[c]->Flags);
            writeProperties(components[c]->Properties());
        }
    }
    return std::move(s.Bytes());
}

void LangFile::SaveToFile(const std::wstring& fileName, const LangResource& dict, int index, bool compress) const {
    std::vector<std::uint8_t> plain = Write(dict, index);
    if (compress) plain = LzkCompress(plain, static_cast<std::uint32_t>(plain.size()));
    WriteWholeFile(fileName, plain);
}

}  // namespace localizer
