#pragma once
#include <string>
#include <string_view>

namespace ui {

// Compares identifiers (component, class and property names) without regard to ASCII case.
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);

std::wstring Widen(std::string_view ascii);
std::string Narrow(std::wstring_view ascii);

}  // namespace ui
