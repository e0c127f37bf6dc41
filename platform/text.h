#pragma once
#include <string>
#include <string_view>

#include "core/forms/code_page.h"

// Text between the program's wide strings and the system's 8-bit code page: registry
// values, the help viewer's 8-bit entry point, exception messages, identifiers of form
// descriptions (plain ASCII, which every code page keeps).
namespace platform {

std::wstring Widen(std::string_view text);
// Characters the code page lacks become '?', never a look-alike.
std::string Narrow(std::wstring_view text);

// The same conversions for the form readers and writers, which must learn when a
// character does not fit instead of getting '?'.
const forms::CodePage& SystemCodePage();

}  // namespace platform
