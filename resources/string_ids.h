#pragma once

// Identifiers of the program's string table (see strings.def).
namespace str {
enum : unsigned {
#define STRING(unit, name, id, text) name = id,
#include "resources/strings.def"
#undef STRING
};
}  // namespace str
