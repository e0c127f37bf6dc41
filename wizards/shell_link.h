#pragma once
#include <optional>
#include <string>

#include "core/wizards/link_info.h"

// Shortcut files (.lnk) through the shell's link object and its persistence interface.
namespace wizards {

// What the shortcut `file` says; nothing when it cannot be loaded or read.
std::optional<ShortcutInfo> ReadShellLink(const std::wstring& file);

// Saves `link` as the shortcut `file`, replacing one there. It is written to a new file
// beside it first and moved into place when complete, so a failure leaves neither a
// half-written shortcut nor a damaged earlier one. False on failure, also when a text does
// not fit the system's code page, which the link object's texts are kept in.
bool SaveShellLink(const std::wstring& file, const ShortcutInfo& link);

}  // namespace wizards
