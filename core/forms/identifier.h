#pragma once
#include <string_view>

namespace forms {

// Names in the text form: a letter or "_", then letters, digits, "_" and "." (dotted
// property paths and component references).
inline bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
inline bool IsIdentifierChar(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9') || c == '.'; }

inline bool IsIdentifier(std::string_view text) {
    if (text.empty() || !IsIdentifierStart(text[0])) return false;
    for (char c : text)
        if (!IsIdentifierChar(c)) return false;
    return true;
}

// Words of the text form compare without regard to ASCII case.
inline bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace forms
