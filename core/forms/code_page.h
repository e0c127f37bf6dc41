#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "core/forms/form_object.h"

namespace forms {

// The 8-bit character set of the text form and of 8-bit string values. The core has no
// access to the system's code page, so callers on Windows pass one built on the system
// conversions; Windows1252() is the portable default.
class CodePage {
public:
    virtual ~CodePage() = default;
    virtual std::u16string ToWide(std::string_view text) const = 0;
    // The 8-bit form of `text`, or nothing when some character has none.
    virtual std::optional<std::string> ToNarrow(std::u16string_view text) const = 0;
};

// The 8-bit form of `text` only when it converts back to exactly `text`: a conversion that
// substitutes a look-alike ("best fit", e.g. "e" for "\u00E9") counts as having none.
std::optional<std::string> ExactNarrow(const CodePage& codePage, std::u16string_view text);

// Windows-1252; its five unassigned bytes map to the control characters of the same number,
// so every byte string converts to UTF-16 and back unchanged.
const CodePage& Windows1252();

std::string Utf16ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// The text of a String, Ident, WideString or Utf8String value as UTF-16 (empty for others).
std::u16string WideTextOf(const Value& value, const CodePage& codePage = Windows1252());

}  // namespace forms
