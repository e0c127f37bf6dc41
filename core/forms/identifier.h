#pragma once
#include <string_view>

namespace forms {

// Names in the text form: a letter or "_", then letters, digits, "_" and "." (dotted
// property paths and component references).
inline bool IsIdentifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
inline bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9') || c == '.'; }

inline bool IsIdentifier(std::string_view text) {
    if (text.empty() || !IsIdentifierStart(text[0])) return false;
    for (char c : text)
        if (!IsIdentifierChar(c)) return false;
    return true;
}

}  // namespace forms
