#pragma once
#include <optional>
#include <string>
#include <vector>

// What a translation must keep of its source text, because the program relies on it: the
// placeholders that formatting fills ("%s", "%d", "%0:s", "%.1f", "%%" and a lone "%"),
// the number of mnemonics (an "&" not followed by another; "&&" is a plain ampersand) and
// the number of line breaks.
namespace lngtool {

// The placeholders of a text in their order.
std::vector<std::string> Placeholders(const std::string& text);
int MnemonicCount(const std::string& text);

// What differs between the source and its translation ("placeholders %s %d became %d",
// "mnemonics 1 became 0", "line breaks 2 became 1"); nothing when they agree. Placeholders
// are compared without their order, which positional ones may change.
std::optional<std::string> ShapeDifference(const std::string& source, const std::string& translation);

}  // namespace lngtool
