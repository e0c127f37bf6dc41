#pragma once
#include <map>
#include <string>
#include <vector>

// gettext PO catalogues (UTF-8): the translators' files and the template made from the
// native language. Only what the language files need: context, source text, translation,
// the fuzzy mark and the header fields. Plural forms are not used by the program.
namespace lngtool {

struct PoEntry {
    std::string context;      // msgctxt
    std::string source;       // msgid
    std::string translation;  // msgstr; empty means untranslated
    bool fuzzy = false;
    std::string comment;  // "#." extracted comment, written only
};

struct PoCatalog {
    std::map<std::string, std::string> header;  // "Language" -> "de", ...
    std::vector<PoEntry> entries;
};

// Raises std::runtime_error "PO line N: ..." for text that is not a catalogue.
PoCatalog ParsePo(const std::string& text);
// Header fields in the given order, then the entries; strings with C escapes, split after
// each "\n" so that multi-line texts stay readable.
std::string WritePo(
    const std::vector<std::pair<std::string, std::string>>& header, const std::vector<PoEntry>& entries
);

// C escapes of PO strings.
std::string EscapePo(const std::string& text);
std::string UnescapePo(const std::string& quoted, int line);

}  // namespace lngtool
