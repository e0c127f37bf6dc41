#pragma once
#include <map>
#include <string>
#include <vector>

#include "tools/admx/policy_texts.h"
#include "tools/lngtool/po_file.h"

// The templates' texts in one language, and the translators' catalogues they come from.
namespace admx {

using Texts = std::map<std::string, std::string>;  // context -> text

Texts EnglishTexts(const std::vector<SourceText>& source);

// Every source text's translation from the catalogue. Each context that is untranslated
// (or fuzzy), whose English differs from the catalogue's, that keeps other figures than its
// source, or that the templates no longer have is added to `problems`; the templates are
// not written while any is left.
Texts TranslatedTexts(
    const std::vector<SourceText>& source, const lngtool::PoCatalog& catalog, std::vector<std::string>& problems
);

// The translators' template: every source text with an empty translation.
std::string TemplateCatalog(const std::vector<SourceText>& source);

}  // namespace admx
