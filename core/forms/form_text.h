#pragma once
#include <string>
#include <string_view>

#include "core/forms/code_page.h"
#include "core/forms/form_error.h"
#include "core/forms/form_object.h"
#include "core/forms/form_read_limits.h"

namespace forms {

// The text form of a form description ("object Name: TClass" ... "end"), as edited in
// forms/*.form and as the language tools rewrite it. The text is 8-bit in `codePage`;
// lines may end CR LF or LF. Throws FormError "Wrong FRD Format" with the line and form,
// and FormError for text whose tree would take more memory than `limits` allow.
// A #code in a string is the Unicode character of that number; the string is wide when a
// code is above 255 or is a character from 128 to 255 that `codePage` has no byte for,
// else 8-bit. So text from WriteFormText reads back as the same characters.
Object ParseFormText(std::string_view text, const CodePage& codePage = Windows1252(), const ReadLimits& limits = {});

// The canonical text form: CR LF line ends, two spaces per level. What it writes parses
// back to the same tree (strings compared as text). Throws FormError for what the text
// form cannot hold: a value with no text (an extended number with no decimal form), a name
// that is not an identifier or would read as a keyword, an identifier value that would
// read as True, False or nil, an object both inherited and inline.
std::string WriteFormText(const Object& form, const CodePage& codePage = Windows1252());

}  // namespace forms
