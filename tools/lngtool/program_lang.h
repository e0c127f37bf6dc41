#pragma once
#include <string>
#include <vector>

#include "core/localizer/lang_resource.h"

// A native-language dictionary built from the program's own sources: the string table
// (resources/strings.def) as units and constants, and the form descriptions (forms/*.form)
// as forms, components and their text, list, identifier and size properties. lngtool's
// "build" and the benchmark use it to make a representative language file; the real one
// comes from the resource processor.
namespace lngtool {

// Adds the STRING(unit, name, id, "text") entries of a strings.def text.
void AddStringTable(localizer::LangResource& dict, const std::string& defText);
// Adds the properties of one form description in text form.
void AddFormText(localizer::LangResource& dict, const std::string& formText);
// Numbers every item with ID 0 (constants, then properties, from 1 in list order) and
// returns the highest constant and property IDs.
void NumberItems(localizer::LangResource& dict, std::uint32_t& lastConst, std::uint32_t& lastProp);

}  // namespace lngtool
