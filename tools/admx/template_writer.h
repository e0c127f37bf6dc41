#pragma once
#include <string>

#include "tools/admx/translated_texts.h"

// The administrative templates: one language-neutral .admx file that defines a policy for
// every setting of the table that a policy may fix, and per language an .adml file with its
// strings and the policies' dialogs. Both classes (machine and user) are offered, because
// the programs read the policies key of both and the machine's value wins.
namespace admx {

inline constexpr const char* kTemplateName = "TesslyDozidiDavazez";

std::string AdmxDocument();
// `texts` holds every source text's context (TranslatedTexts reports what is missing).
std::string AdmlDocument(const Texts& texts);

}  // namespace admx
