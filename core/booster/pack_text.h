#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The tray texts the configurator leaves for the service in the current language: lists
// of captions, each line ended by CR LF and the list by an empty line, and the tooltip
// format with two "%d" places (memory and processor load).
namespace booster {

// The lines before the first empty one. A bare LF also ends a line; text after the
// empty line is ignored.
std::vector<std::wstring> SplitPackLines(std::wstring_view pack);

// The stored captions where present and not empty, the fallback ones elsewhere, so a
// damaged or older pack never leaves a menu item without a caption.
std::vector<std::wstring> CaptionsOrFallback(
    const std::vector<std::wstring>& stored, const std::vector<std::wstring>& fallback
);

// The tooltip with "%d" replaced by memory, then processor, and "%%" by "%". The format
// comes from the registry, so nothing else in it is interpreted: any other "%" sequence
// stays as written. Cut to `maxLength` characters.
std::wstring FormatTrayTip(std::wstring_view format, int memory, int processor, std::size_t maxLength);

}  // namespace booster
