#pragma once
#include <string>
#include <string_view>

// Texts that come from a language file or a translation and that the program acts on. A
// hostile file must not steer them elsewhere.
namespace app {

// `name` when it is a plain file name (no folder, drive or stream part, not "." or "..",
// no control characters), else `fallback`. The language's name picks its help file.
std::wstring PlainFileNameOr(std::wstring_view name, std::wstring_view fallback);

// `address` when it is a web or mail address (http:, https: or mailto:, without spaces or
// control characters), else `fallback`: the shell would start anything else it is given.
std::wstring WebAddressOr(std::wstring_view address, std::wstring_view fallback);

}  // namespace app
