#pragma once
#include <string>
#include <string_view>

#include "core/forms/code_page.h"

// Text between the program's wide strings and 8-bit texts: the system's code page for the
// formats stored as 8-bit (tray-text packs, the error log, mail bodies, identifiers of form
// descriptions), UTF-8 for the messages exceptions carry (what()), so no character of a
// path or a translated text is lost on the way to the screen.
namespace platform {

std::wstring Widen(std::string_view text);
// Characters the code page lacks become '?', never a look-alike.
std::string Narrow(std::wstring_view text);

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

// The same conversions for the form readers and writers, which must learn when a
// character does not fit instead of getting '?'.
const forms::CodePage& SystemCodePage();

}  // namespace platform
