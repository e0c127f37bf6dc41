#pragma once
#include <span>
#include <string>
#include <vector>

#include "core/settings/settings_table.h"

// The English texts of the administrative templates and where each policy lies. Every text
// has a context that names what it belongs to ("OnTimeFreeSec.Explain", "Category.HotKeys",
// "QBoostMethod.Item1", "Language.DEU"); the translations are PO catalogues keyed by these
// contexts. Texts may hold the figures {min}, {max} and {default}, filled in from the
// settings table when the templates are written, so no range is typed twice.
namespace admx {

struct SourceText {
    std::string context;
    std::string english;
};

// A folder of the policy editor's tree; `parent` is null for those right under the product's.
struct Category {
    const char* id;
    const char* parent;
};

// A language the templates are written in, which is also one the program ships: the
// template folder's culture name, the translation's PO language ("" for English) and the
// abbreviation the Language policy stores.
struct TemplateLanguage {
    const char* culture;
    const char* po;
    const char* abbreviation;
};

inline constexpr const char* kProductContext = "Product";
inline constexpr const char* kSupportedContext = "SupportedOn";

std::span<const Category> Categories();
std::span<const TemplateLanguage> TemplateLanguages();

// The category of a policy setting; raises std::runtime_error for a setting without texts.
const char* CategoryOf(const settings::PolicySetting& policy);

// Every text of the templates for the table's policy settings, in the order the templates
// use them. Raises std::runtime_error naming a policy of the table that has no English
// texts, or a choice whose item texts do not match the numbers of its range.
std::vector<SourceText> SourceTexts();

}  // namespace admx
