#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/localizer/lang_file.h"
#include "core/localizer/lang_resource.h"
#include "tools/lngtool/po_file.h"

// The bridge between the native language file and the translators' PO catalogues.
// Contexts: "<Unit>.<Constant>" for resource strings, "<FormClass>.<Component>.<Property>"
// for form properties (the form's own under the form's name); only texts and line lists
// are translated, identifiers, sizes and character sets come from the native language.
namespace lngtool {

struct CatalogEntry {
    std::string context;
    std::string source;         // UTF-8; line lists joined with "\n"
    localizer::LResItem* item;  // not owned
    std::string comment;
};

// Every translatable item of the native dictionary, units first, in dictionary order. Items
// marked never to be translated and empty texts are left out.
std::vector<CatalogEntry> TranslatableEntries(const localizer::LangResource& dictionary);

// The template: every entry with an empty translation.
std::string ExtractTemplate(const localizer::LangResource& dictionary);

struct Coverage {
    std::size_t total = 0;
    std::vector<std::string> untranslated;  // contexts without a translation (or fuzzy)
    std::vector<std::string> obsolete;      // contexts the program no longer has
    std::vector<std::string> changed;       // contexts whose English text differs from the program's
    // Context, ": " and what the translation fails to keep of its source (its placeholders,
    // mnemonics or line breaks, see text_shape.h).
    std::vector<std::string> misshapen;
    bool Complete() const { return untranslated.empty() && obsolete.empty() && changed.empty() && misshapen.empty(); }
};
Coverage CheckCoverage(const localizer::LangResource& dictionary, const PoCatalog& catalog);

// The header fields a translation must have.
struct TranslationHeader {
    std::string language;  // "de"
    std::uint16_t langId = 0;
    std::string name;  // English name of the language (also the help file's base name)
    std::u16string nativeName;
    std::uint32_t codePage = 0;
};
// Raises std::runtime_error naming the missing or malformed field.
TranslationHeader ReadTranslationHeader(const PoCatalog& catalog);

// Adds the catalogue's language to the dictionary (loaded from the native language file)
// and fills it: translated texts where there are some, the native value elsewhere. Raises
// std::runtime_error when the header's code page is not the language's. Returns the language file to write with
// `language.Write(dictionary, language.TargetIndex)`; its LangStamp is a digest of the content.
localizer::LangFile CompileTranslation(
    localizer::LangResource& dictionary, const localizer::LangFile& native, const PoCatalog& catalog
);

}  // namespace lngtool
