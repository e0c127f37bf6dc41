#pragma once
#include <string>
#include <string_view>

namespace ui {

// Compares identifiers (component, class and property names) without regard to ASCII case.
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);

}  // namespace ui
