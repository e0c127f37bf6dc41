#include "tools/lngtool/po_catalog.h"

#include <map>
#include <stdexcept>

#include "core/localizer/basic_locale.h"
#include "tools/lngtool/text_shape.h"

namespace lngtool {

namespace {

using namespace localizer;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// Line lists are held with CR LF between the lines and written to PO with "\n".
std::string PoText(const LResItem& item) {
    std::string text = Utf16ToUtf8(item.Value(0)->Text());
    return item.Kind() == kKindLines ? Replaced(std::move(text), "\r\n", "\n") : text;
}

std::u16string ValueText(const LResItem& item, const std::string& poText) {
    return Utf8ToUtf16(item.Kind() == kKindLines ? Replaced(Replaced(poText, "\r\n", "\n"), "\n", "\r\n") : poText);
}

bool Translatable(const LResItem& item) {
    return (item.Kind() == kKindText || item.Kind() == kKindLines) && !item.HasFlags(kFlagNeverTranslate) &&
           item.Value(0) && !item.Value(0)->Text().empty();
}

std::map<std::string, const PoEntry*> ByContext(const PoCatalog& catalog) {
    std::map<std::string, const PoEntry*> entries;
    for (const PoEntry& entry : catalog.entries) entries[entry.context] = &entry;
    return entries;
}

std::uint32_t Digest(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (std::uint8_t b : bytes) hash = (hash ^ b) * 16777619u;
    return hash ? hash : 1;
}

std::string Field(const PoCatalog& catalog, const char* name) {
    const auto found = catalog.header.find(name);
    if (found == catalog.header.end() || found->second.empty())
        throw std::runtime_error(std::string("PO header field \"") + name + "\" missing");
    return found->second;
}

std::uint32_t NumberField(const PoCatalog& catalog, const char* name, std::uint32_t limit) {
    const std::string text = Field(catalog, name);
    std::size_t used = 0;
    unsigned long value = 0;
    try {
        value = std::stoul(text, &used, 0);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || value == 0 || value > limit)
        throw std::runtime_error(std::string("PO header field \"") + name + "\" is not a valid number: " + text);
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::vector<CatalogEntry> TranslatableEntries(const LangResource& dictionary) {
    std::vector<CatalogEntry> entries;
    for (const LResUnitItem* unit : dictionary.Units())
        for (LResConstantItem* constant : unit->Constants())
            if (Translatable(*constant))
                entries.push_back(
                    {unit->Name() + "." + constant->Name(), PoText(*constant), constant,
                     "ResID " + std::to_string(constant->ResID)}
                );
    for (const LResFormItem* form : dictionary.Forms()) {
        const std::string formClass = "T" + form->Name();
        auto add = [&](const std::string& component, LResPropertyItem* property) {
            if (!Translatable(*property)) return;
            entries.push_back(
                {formClass + "." + component + "." + property->Name(), PoText(*property), property,
                 property->Kind() == kKindLines ? "one line per line of the list" : ""}
            );
        };
        for (LResPropertyItem* property : form->Properties()) add(form->Name(), property);
        for (const LResComponentItem* component : form->Components())
            for (LResPropertyItem* property : component->Properties()) add(component->Name(), property);
    }
    return entries;
}

std::string ExtractTemplate(const LangResource& dictionary) {
    std::vector<PoEntry> entries;
    for (const CatalogEntry& entry : TranslatableEntries(dictionary))
        entries.push_back({entry.context, entry.source, "", false, entry.comment});
    return WritePo(
        {{"Project-Id-Version", "TesslyMBCfg"},
         {"MIME-Version", "1.0"},
         {"Content-Type", "text/plain; charset=UTF-8"},
         {"Content-Transfer-Encoding", "8bit"},
         {"Language", ""},
         {"X-Language-Id", ""},
         {"X-Language-Name", ""},
         {"X-Native-Name", ""},
         {"X-Code-Page", ""}},
        entries
    );
}

Coverage CheckCoverage(const LangResource& dictionary, const PoCatalog& catalog) {
    Coverage coverage;
    auto translations = ByContext(catalog);
    for (const CatalogEntry& entry : TranslatableEntries(dictionary)) {
        ++coverage.total;
        const auto found = translations.find(entry.context);
        if (found == translations.end() || found->second->translation.empty() || found->second->fuzzy)
            coverage.untranslated.push_back(entry.context);
        else if (found->second->source != entry.source)
            coverage.changed.push_back(entry.context);
        else if (const auto difference = ShapeDifference(entry.source, found->second->translation))
            coverage.misshapen.push_back(entry.context + ": " + *difference);
        if (found != translations.end()) translations.erase(found);
    }
    for (const auto& [context, entry] : translations) coverage.obsolete.push_back(context);
    return coverage;
}

TranslationHeader ReadTranslationHeader(const PoCatalog& catalog) {
    TranslationHeader header;
    header.language = Field(catalog, "Language");
    header.langId = static_cast<std::uint16_t>(NumberField(catalog, "X-Language-Id", 0xFFFF));
    header.name = Field(catalog, "X-Language-Name");
    header.nativeName = Utf8ToUtf16(Field(catalog, "X-Native-Name"));
    header.codePage = NumberField(catalog, "X-Code-Page", 65535);
    return header;
}

LangFile CompileTranslation(LangResource& dictionary, const LangFile& native, const PoCatalog& catalog) {
    const TranslationHeader header = ReadTranslationHeader(catalog);
    // Language files carry no character sets: the module generation gives every font the one
    // of the language's code page, so the header must name that code page.
    const std::uint32_t codePage = CodePageOf(dictionary.GetLocale(), header.langId);
    if (codePage != header.codePage)
        throw std::runtime_error(
            "X-Code-Page " + std::to_string(header.codePage) + " is not the language's code page " +
            std::to_string(codePage)
        );
    LangFile language;
    language.LangID = header.langId;
    language.BuildStamp = native.BuildStamp;
    language.Name = header.name;
    language.NativeName = header.nativeName;
    language.LastConstID = native.LastConstID;
    language.LastPropID = native.LastPropID;
    language.TargetIndex = dictionary.AddLanguage(0, header.langId);

    // A translation made for another English text is not used: the program shows its own.
    const auto translations = ByContext(catalog);
    for (const CatalogEntry& entry : TranslatableEntries(dictionary)) {
        const auto found = translations.find(entry.context);
        if (found == translations.end()) continue;
        const PoEntry& po = *found->second;
        if (po.translation.empty() || po.fuzzy || po.source != entry.source) continue;
        entry.item->Value(language.TargetIndex)->SetText(ValueText(*entry.item, po.translation));
    }

    language.LangStamp = Digest(language.Write(dictionary, language.TargetIndex));
    return language;
}

}  // namespace lngtool
