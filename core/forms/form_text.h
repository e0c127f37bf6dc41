#pragma once
#include <string>
#include <string_view>

#include "core/forms/code_page.h"
#include "core/forms/form_error.h"
#include "core/forms/form_object.h"

namespace forms {

// The text form of a form description ("object Name: TClass" ... "end"), as edited in
// forms/*.form and as the language tools rewrite it. The text is 8-bit in `codePage`;
// lines may end CR LF or LF. Throws FormError "Wrong FRD Format" with the line and form.
Object ParseFormText(std::string_view text, const CodePage& codePage = Windows1252());

// The canonical text form: CR LF line ends, two spaces per level. Throws FormError for a
// value that has no text (an extended number with no decimal form, a name too long).
std::string WriteFormText(const Object& form, const CodePage& codePage = Windows1252());

}  // namespace forms
