#include "tools/admx/translated_texts.h"

#include <set>

namespace admx {
namespace {

// The figures such as "{min}" a text holds.
std::multiset<std::string> Figures(const std::string& text) {
    std::multiset<std::string> figures;
    for (std::size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
        const std::size_t close = text.find('}', open);
        if (close == std::string::npos) break;
        figures.insert(text.substr(open, close - open + 1));
    }
    return figures;
}

}  // namespace

Texts EnglishTexts(const std::vector<SourceText>& source) {
    Texts texts;
    for (const SourceText& s : source) texts[s.context] = s.english;
    return texts;
}

Texts TranslatedTexts(
    const std::vector<SourceText>& source, const lngtool::PoCatalog& catalog, std::vector<std::string>& problems
) {
    std::map<std::string, const lngtool::PoEntry*> entries;
    for (const lngtool::PoEntry& e : catalog.entries) entries[e.context] = &e;
    Texts texts;
    for (const SourceText& s : source) {
        const auto found = entries.find(s.context);
        if (found == entries.end() || found->second->translation.empty() || found->second->fuzzy) {
            problems.push_back("untranslated: " + s.context);
            continue;
        }
        const lngtool::PoEntry& e = *found->second;
        entries.erase(found);
        if (e.source != s.english)
            problems.push_back("changed: " + s.context);
        else if (Figures(e.translation) != Figures(s.english))
            problems.push_back("figures differ: " + s.context);
        else
            texts[s.context] = e.translation;
    }
    for (const auto& [context, entry] : entries) problems.push_back("obsolete: " + context);
    return texts;
}

std::string TemplateCatalog(const std::vector<SourceText>& source) {
    std::vector<lngtool::PoEntry> entries;
    for (const SourceText& s : source) entries.push_back({s.context, s.english, "", false, ""});
    return "# Texts of the administrative templates of Tessly Dozidi Davazez.\n#\n" +
           lngtool::WritePo(
               {{"Project-Id-Version", "TesslyDozidiDavazez policies"},
                {"MIME-Version", "1.0"},
                {"Content-Type", "text/plain; charset=UTF-8"},
                {"Content-Transfer-Encoding", "8bit"}},
               entries
           );
}

}  // namespace admx
